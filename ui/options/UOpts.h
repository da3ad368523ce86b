#pragma once

#include <cstdint>
#include <string>

namespace varnel {

// The user's options as a plain record, filled afresh by every GetOptions.
struct TUOpts {
    std::string UnitFile; // full path of the units data file
    int32_t Prec = 7;
    bool CopyBoth = false;
    bool SwapSrcTrg = false;
    bool PromptB4Delete = false;
    bool MinimOnTray = false;
    bool MultiTabMode = false;
    bool MonthlyCheck = true;
    int32_t SearchEngine = 3; // 0 custom, 1 Google, 2 Yahoo, 3 Wikipedia, 4 Ask
    std::string CustomSearchEngine;
};

} // namespace varnel
