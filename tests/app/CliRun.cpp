#include "app/CliRun.h"

#include "support/TestSupport.h"

#include <cstdlib>
#include <sys/wait.h>

namespace varnel::test {

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

CliResult RunProgram(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments, const std::string& input) {
    TempFolder folder;
    WriteBytes(folder / "in", input);
    std::string command = ShellQuoted(program.string());
    for (const std::string& argument : arguments)
        command += " " + ShellQuoted(argument);
    command += " <" + ShellQuoted((folder / "in").string()) + " >" +
               ShellQuoted((folder / "out").string()) + " 2>" +
               ShellQuoted((folder / "err").string());
    const int status = std::system(command.c_str());
    CliResult result;
    result.Out = ReadBytes(folder / "out");
    result.Err = ReadBytes(folder / "err");
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

CliResult RunCli(const std::string& fixture, const std::vector<std::string>& arguments,
                 const std::string& input) {
    std::vector<std::string> all = {"--data", FixturePath(fixture).string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunProgram(VARNEL_CLI_PATH, all, input);
}

} // namespace varnel::test
