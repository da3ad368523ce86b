#pragma once

namespace varnel {

// The kinds of the main window's pages; page index i has kind i + 1.
enum TPageKind { pkNone = 0, pkSimple = 1, pkAllUnits = 2, pkBase = 3, pkEdit = 4, pkLog = 5 };

constexpr int PageCount = 5;

constexpr TPageKind PageKindOfIndex(int index) {
    return index >= 0 && index < PageCount ? static_cast<TPageKind>(index + 1) : pkNone;
}

} // namespace varnel
