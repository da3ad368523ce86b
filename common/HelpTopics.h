#pragma once

namespace varnel::HelpTopic {

// Topic numbers of the help pages, opened by number from the windows.
constexpr int IntegratedConverter = 3211;
constexpr int FirstPage = 3213; // plus the index of the active page
constexpr int SimplePage = 3213;
constexpr int AllUnitsPage = 3214;
constexpr int BasePage = 3215;
constexpr int EditPage = 3216;
constexpr int LogPage = 3217;
constexpr int Options = 3218;
constexpr int UnitsDataEditor = 3219;

} // namespace varnel::HelpTopic
