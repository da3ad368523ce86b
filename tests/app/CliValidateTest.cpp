#include "app/CliRun.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace varnel::test {
namespace {

const char* const Problems = "units_validation_problems.unt";

TEST(CliValidate, ValidFilePassesSilently) {
    CliResult result =
        RunProgram(VARNEL_CLI_PATH, {"--validate", FixturePath("units_validation.unt").string()});
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Status, 0);
}

TEST(CliValidate, PrintsOneLinePerProblem) {
    CliResult result = RunCli(Problems, {"--validate"});
    EXPECT_EQ(result.Out, "Wrong version - possible mismaches.\n"
                          "Duplicated unit names (unit \"Foot\")\n"
                          "Duplicated unit names (unit \"foot\")\n"
                          "Wrong conversion factor (unit \"foot\")\n");
    EXPECT_EQ(result.Err, "Only one \"/\" is allowed.\n");
    EXPECT_EQ(result.Status, 1);
}

TEST(CliValidate, AllValidatesDisabledUnitsToo) {
    const std::string file = FixturePath(Problems).string();
    const std::vector<std::string> orders[] = {{"--all", "--validate", file},
                                               {"--validate", "--all", file},
                                               {"--validate", file, "--all"}};
    for (const std::vector<std::string>& arguments : orders) {
        CliResult result = RunProgram(VARNEL_CLI_PATH, arguments);
        EXPECT_EQ(result.Out, "Wrong version - possible mismaches.\n"
                              "Duplicated unit names (unit \"Foot\")\n"
                              "Duplicated unit names (unit \"foot\")\n"
                              "Wrong conversion factor (unit \"foot\")\n"
                              "Unit name is empty (unit \"\")\n")
            << arguments[1];
        EXPECT_EQ(result.Status, 1) << arguments[1];
    }
}

TEST(CliValidate, AllAloneIsRefused) {
    CliResult result = RunCli(Problems, {"--all"});
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err, "--all goes with --validate.\n");
    EXPECT_EQ(result.Status, 1);
}

TEST(CliValidate, FilesThatCannotBeValidated) {
    TempFolder folder;
    WriteBytes(folder / "broken.unt", "<UnitsData><domain>");
    WriteBytes(folder / "other.xml", "<XML_DIZ_INFO/>");
    WriteBytes(folder / "no-flag.unt", "<UnitsData><description version=\"2\" "
                                       "copyright=\"Quillmere\"/><domain/></UnitsData>");
    const struct {
        const char* name;
        std::string file;
        const char* out;
        std::string err;
    } rows[] = {
        {"missing file", (folder / "none.unt").string(), "",
         "Cannot find the units data file " + (folder / "none.unt").string() + ".\n"},
        {"malformed XML", (folder / "broken.unt").string(), "",
         (folder / "broken.unt").string() + ": Start-end tags mismatch (line 1, column 21).\n"},
        {"not units data", (folder / "other.xml").string(), "",
         (folder / "other.xml").string() +
             ": The document element is \"XML_DIZ_INFO\" instead of \"UnitsData\": this is not a "
             "units data file.\n"},
        {"missing enabled keeps the problems found", (folder / "no-flag.unt").string(),
         "Wrong version - possible mismaches.\n",
         (folder / "no-flag.unt").string() + ": '' is not a valid integer value\n"},
    };
    for (const auto& row : rows) {
        CliResult result = RunProgram(VARNEL_CLI_PATH, {"--validate", row.file});
        EXPECT_EQ(result.Out, row.out) << row.name;
        EXPECT_EQ(result.Err, row.err) << row.name;
        EXPECT_EQ(result.Status, 1) << row.name;
    }
}

} // namespace
} // namespace varnel::test
