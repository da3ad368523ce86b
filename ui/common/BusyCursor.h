#pragma once

namespace varnel {

// Shows the busy cursor for as long as it lives, also when an error leaves
// the scope early.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace varnel
