#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varnel::test {

struct CliResult {
    std::string Out;
    std::string Err;
    int Status = -1;
};

// Runs a command-line converter program with the arguments and the text on
// its standard input.
CliResult RunProgram(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments, const std::string& input = "");

// Runs the built converter on the given units data fixture.
CliResult RunCli(const std::string& fixture, const std::vector<std::string>& arguments,
                 const std::string& input = "");

} // namespace varnel::test
