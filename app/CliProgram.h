#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace varnel::cli {

// What becomes of the loaded units data when a run ends: a process that exits
// right after leaves it to the system, which takes it back at once.
enum class TModelAtEnd { Free, LeaveToExit };

// The command-line converter: arguments without the program name; results
// go to out, messages and errors to err. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err, TModelAtEnd atEnd = TModelAtEnd::Free);

} // namespace varnel::cli
