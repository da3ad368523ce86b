#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace varnel::cli {

// The command-line converter: arguments without the program name; results
// go to out, messages and errors to err. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

} // namespace varnel::cli
