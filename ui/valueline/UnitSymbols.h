#pragma once

#include <QString>

#include <string>
#include <vector>

namespace varnel {

// The symbols of every known unit, filled by the main window from the source
// engine after each load; the value line colours the words it finds here.
void SetUnitSymbols(const std::vector<std::string>& symbols);
int UnitSymbolCount();
// Looked up without regard to case.
bool IsUnitSymbol(const QString& word);

} // namespace varnel
