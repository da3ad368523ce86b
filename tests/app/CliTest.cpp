#include "app/CliRun.h"
#include "common/ProgramVersion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace varnel::test {
namespace {

const char* const Basic = "convert_basic.unt";

TEST(Cli, WorkedExample) {
    CliResult result = RunCli(Basic, {"36 [km/h]", "[m/s]"});
    EXPECT_EQ(result.Out, "10 [m/s]\n");
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Status, 0);
}

TEST(Cli, Conversions) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* out;
    } rows[] = {
        {"target without brackets", {"36 [km/h]", "m/s"}, "10 [m/s]\n"},
        {"target in another order", {"3 [m.kg]", "[g.km]"}, "3 [km.g]\n"},
        {"supplemental to root", {"2 [ha]", "[m^2]"}, "20000 [m^2]\n"},
        {"frequency", {"120 [rpm]", "[1/s]"}, "2 [1/s]\n"},
        {"rule", {"-40 [\u00B0F]", "[\u00B0C]"}, "-40 [\u00B0C]\n"},
        {"same unit keeps the written number", {"2.50 [m]", "[m]"}, "2.50 [m]\n"},
        {"precision", {"--prec", "3", "1 [mi]", "[km]"}, "1.61 [km]\n"},
        {"precision with equals sign", {"--prec=4", "1 [mi]", "[km]"}, "1.609 [km]\n"},
        {"one unit to a compound unit written as one symbol",
         {"10 [km/h]", "[kn]"},
         "5.399568 [kn]\n"},
        {"arrow in one argument", {"1 [mi] -> [km]"}, "1.609344 [km]\n"},
        {"nothing to convert", {"5 []", "[]"}, "5 []\n"},
        {"negative quantity is no option", {"-5 [m]", "[km]"}, "-0.005 [km]\n"},
        {"options after the conversion", {"1 [mi]", "[km]", "--prec", "3"}, "1.61 [km]\n"},
        {"compound unit written as one symbol to its factors",
         {"1 [kn]", "[km/h]"},
         "1.852 [km/h]\n"},
        {"through base units", {"1 [kn.h]", "[km]"}, "1.852 [km]\n"},
        {"engine refuses, base units agree", {"3 [ha.m]", "[m^3]"}, "30000 [m^3]\n"},
    };
    for (const auto& row : rows) {
        CliResult result = RunCli(Basic, row.arguments);
        EXPECT_EQ(result.Out, row.out) << row.name;
        EXPECT_EQ(result.Err, "") << row.name;
        EXPECT_EQ(result.Status, 0) << row.name;
    }
}

TEST(Cli, RefusedConversions) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* err;
    } rows[] = {
        {"duplicated source categories",
         {"1 [m.km]", "[m]"},
         "Duplicated units categories - Length / Length\n"},
        {"supplemental exponent",
         {"1 [ha^2]", "[m]"},
         "Unit from supplemental categories cannot have exponent.\n"},
        {"bad source notation", {"1 [m/s/kg]", "[m]"}, "Only one \"/\" is allowed.\n"},
        {"bad target notation", {"1 [m]", "[m^x]"}, "Wrong degree number.\n"},
        {"unknown source unit", {"1 [xyz]", "[m]"}, "Unknown unit xyz.\n"},
        {"unknown target unit", {"1 [m]", "[xyz]"}, "Unknown unit xyz.\n"},
        {"source factor without target",
         {"36 [km/h]", "[m]"},
         "The target names no unit for 1/h (Time).\n"},
        {"target unit without source",
         {"36 [km]", "[m/s]"},
         "The target unit 1/s matches no unit of the source.\n"},
        {"other category", {"1 [km]", "[h]"}, "The target names no unit for km (Length).\n"},
        {"other power",
         {"1 [m^2]", "[km^3]"},
         "The target unit km^3 does not fit m^2 of the source.\n"},
        {"rule unit among others",
         {"2 [\u00B0C/s]", "[K/min]"},
         "The rule-based unit \u00B0C converts only alone, not as a factor.\n"},
        {"derived units of other base units",
         {"1 [kn]", "[s]"},
         "Not compatible: kn is m/s, s is s.\n"},
        {"no units",
         {"36", "[m]"},
         "Write the units of the quantity in brackets, for example 36 [km/h].\n"},
        {"three arguments",
         {"1 [m]", "[km]", "[mi]"},
         "Give a quantity and a target, for example: varnel '36 [km/h]' '[m/s]' (quote each "
         "one).\n"},
        {"unknown option",
         {"--fast", "1 [m]", "[km]"},
         "Unknown option --fast; see varnel --help.\n"},
        {"precision not a number",
         {"--prec", "many", "1 [m]", "[km]"},
         "--prec needs a whole number of digits, not \"many\".\n"},
        {"precision missing", {"--prec"}, "--prec needs a value: --prec N.\n"},
        {"help takes no value", {"--help=yes"}, "--help takes no value.\n"},
        {"not a number", {"abc [m]", "[km]"}, "\"abc\" is not a number.\n"},
        {"number too large", {"1e400 [m]", "[km]"}, "\"1e400\" is too large a number.\n"},
        {"no number", {"[m]", "[km]"}, "Write a number before the units, for example 36 [km/h].\n"},
        {"result too large", {"1e308 [km]", "[m]"}, "Floating point overflow\n"},
        {"unknown character",
         {"1 [\u20ACm]", "[mm]"},
         "Unknown character \"\u20AC\" (U+20AC) at position 1 of the units \"\u20ACm\".\n"},
        {"precision zero",
         {"--prec", "0", "1 [m]", "[km]"},
         "--prec needs 2 to 18 digits, not 0.\n"},
        {"precision negative",
         {"--prec=-1", "1 [m]", "[km]"},
         "--prec needs 2 to 18 digits, not -1.\n"},
        {"short unknown option",
         {"-x", "1 [m]", "[km]"},
         "Unknown option -x; see varnel --help.\n"},
        {"word after the category",
         {"--list", "Length", "extra"},
         "Unexpected argument \"extra\"; see varnel --help.\n"},
        {"word after the file to validate",
         {"--validate", "a.unt", "extra"},
         "Unexpected argument \"extra\"; see varnel --help.\n"},
        {"list and validate",
         {"--list", "--validate"},
         "--list and --validate go one at a time.\n"},
        {"unknown category",
         {"--list", "Nothing"},
         "Unknown category Nothing; see varnel --list.\n"},
    };
    for (const auto& row : rows) {
        CliResult result = RunCli(Basic, row.arguments);
        EXPECT_EQ(result.Out, "") << row.name;
        EXPECT_EQ(result.Err, row.err) << row.name;
        EXPECT_EQ(result.Status, 1) << row.name;
    }
}

TEST(Cli, RuleErrorsAreReportedInTheParsersWords) {
    CliResult result = RunCli("convert_rules.unt", {"2 [u]", "[bad]"});
    EXPECT_EQ(result.Out, "");
    EXPECT_FALSE(result.Err.empty());
    EXPECT_EQ(result.Status, 1);

    result = RunCli("convert_rules.unt", {"0 [inv]", "[u]"});
    EXPECT_EQ(result.Err, "Floating point division by zero\n");
    EXPECT_EQ(result.Status, 1);
}

TEST(Cli, BatchGoesOnAfterABadLine) {
    CliResult result = RunCli(Basic, {},
                              "36 [km/h] -> [m/s]\n"
                              "no arrow here\n"
                              "\n"
                              "1 [m.km] -> [m]\r\n"
                              "-40 [\u00B0F] -> [\u00B0C]\r\n"
                              "1 [xyz] -> [m]\n"
                              "2 [ha] -> m^2");
    EXPECT_EQ(result.Out, "10 [m/s]\n-40 [\u00B0C]\n20000 [m^2]\n");
    EXPECT_EQ(result.Err,
              "line 2: Write a conversion as QUANTITY -> TARGET, for example 36 [km/h] -> [m/s].\n"
              "line 4: Duplicated units categories - Length / Length\n"
              "line 6: Unknown unit xyz.\n");
    EXPECT_EQ(result.Status, 1);
}

// Targets read once serve the later lines that name them: the answers, the
// refusals and what the engine says come out the same every time.
TEST(Cli, BatchRepeatingItsTargetsAnswersAlike) {
    const std::string lines = "36 [km/h] -> [m/s]\n"
                              "1 [m.km] -> [m]\n"
                              "2 [m] -> [m/s]\n"
                              "3 [h] -> [m]\n"
                              "-40 [\u00B0F] -> [\u00B0C]\n"
                              "1 [xyz] -> [m]\n"
                              "7 [m/s] -> [km/h]\n";
    const CliResult once = RunCli(Basic, {}, lines);
    const CliResult thrice = RunCli(Basic, {}, lines + lines + lines);
    EXPECT_EQ(thrice.Out, once.Out + once.Out + once.Out);
    auto withoutLineNumbers = [](const std::string& err) {
        return std::regex_replace(err, std::regex("line [0-9]+: "), "");
    };
    const std::string said = withoutLineNumbers(once.Err);
    EXPECT_EQ(withoutLineNumbers(thrice.Err), said + said + said);
    EXPECT_NE(said, "");
}

TEST(Cli, BatchOfGoodLinesSucceeds) {
    std::string input;
    std::string expected;
    for (int i = 1; i <= 2000; ++i) {
        input += std::to_string(i) + " [km] -> [m]\n";
        expected += std::to_string(i * 1000) + " [m]\n";
    }
    CliResult result = RunCli(Basic, {"--prec", "10"}, input);
    EXPECT_EQ(result.Out, expected);
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Status, 0);
}

TEST(Cli, SearchListsMatchingUnitsWithTheirCategory) {
    CliResult result = RunCli(Basic, {"--search", "KNO"});
    EXPECT_EQ(result.Out, "knot [kn]  (Speed)\n");
    EXPECT_EQ(result.Status, 0);
    result = RunCli(Basic, {"--search", "xyzzy"});
    EXPECT_EQ(result.Err, "No unit matches xyzzy.\n");
    EXPECT_EQ(result.Status, 1);
}

TEST(Cli, ListsCategoriesAndUnits) {
    CliResult result = RunCli(Basic, {"--list"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    for (const char* part : {"Space\n  Length\n    metre [m]\n    kilometre [km]\n",
                             "  Area (Length^2)\n    square metre [m^2]\n    hectare [ha]\n",
                             "  Frequency (Time^-1)\n", "  Speed (compound)\n",
                             "Heat\n  Temperature\n    degree Celsius [\u00B0C]\n"}) {
        EXPECT_NE(result.Out.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(result.Out.find("furlong"), std::string::npos);
    EXPECT_EQ(result.Out.find("Hidden"), std::string::npos);

    result = RunCli(Basic, {"--list", "temperature"});
    EXPECT_EQ(result.Out, "Temperature\n"
                          "  degree Celsius [\u00B0C]  core unit\n"
                          "  kelvin [K]  to [\u00B0C]: #-273.15\n"
                          "  degree Fahrenheit [\u00B0F]  to [\u00B0C]: (#-32)/1.8\n");
    EXPECT_EQ(result.Status, 0);

    result = RunCli(Basic, {"--list=Area"});
    EXPECT_EQ(result.Out,
              "Area (Length^2)\n  square metre [m^2]  core unit\n  hectare [ha]  = 10000 [m^2]\n");
}

TEST(Cli, HelpNamesEveryOption) {
    CliResult result = RunProgram(VARNEL_CLI_PATH, {"--help"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out.rfind("Usage:", 0), 0u);
    for (const char* option : {"--data FILE", "--prec N", "--list [CATEGORY]", "--help"})
        EXPECT_NE(result.Out.find(option), std::string::npos) << option;

    result = RunProgram(VARNEL_CLI_PATH, {"--version"});
    EXPECT_EQ(result.Out, "varnel " + std::string(ProgramVersion) + "\n");
    EXPECT_EQ(result.Status, 0);
}

TEST(Cli, DefaultDataFileLiesBesideTheProgram) {
    TempFolder folder;
    // No copy in the user's own data folder may stand in.
    setenv("XDG_DATA_HOME", (folder / "user").c_str(), 1);
    const auto program = folder / "varnel";
    std::filesystem::copy_file(VARNEL_CLI_PATH, program);
    CliResult result = RunProgram(program, {"1 [km]", "[m]"});
    EXPECT_EQ(result.Err,
              "Cannot find the units data file " + (folder / "Varnel.unt").string() + ".\n");
    EXPECT_EQ(result.Status, 1);

    std::filesystem::copy_file(FixturePath(Basic), folder / "Varnel.unt");
    result = RunProgram(program, {"1 [km]", "[m]"});
    EXPECT_EQ(result.Out, "1000 [m]\n");
    EXPECT_EQ(result.Status, 0);
}

TEST(Cli, UnusableDataFile) {
    TempFolder folder;
    WriteBytes(folder / "broken.unt", "<UnitsData><domain name=\"x\"");
    CliResult result =
        RunProgram(VARNEL_CLI_PATH, {"--data", (folder / "broken.unt").string(), "1 [km]", "[m]"});
    const std::string last =
        "Cannot read units data from " + (folder / "broken.unt").string() + ".\n";
    ASSERT_GT(result.Err.size(), last.size());
    EXPECT_EQ(result.Err.substr(result.Err.size() - last.size()), last);
    EXPECT_EQ(result.Status, 1);

    result = RunCli("convert_unlinked.unt", {"1 [m]", "[m]"});
    EXPECT_EQ(result.Err, "No known units in sup. category(3)\n");
    EXPECT_EQ(result.Status, 1);
}

} // namespace
} // namespace varnel::test
