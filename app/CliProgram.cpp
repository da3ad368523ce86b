#include "app/CliProgram.h"

#include "app/CliConverter.h"
#include "app/CliListing.h"
#include "app/CliOptions.h"
#include "app/CliValidate.h"
#include "common/FileLocations.h"
#include "common/FormatValue.h"
#include "common/Messages.h"
#include "common/ProgramVersion.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace varnel::cli {

namespace {

const char* const Usage =
    "Usage:\n"
    "  varnel [OPTIONS] QUANTITY TARGET   convert, for example: varnel '36 [km/h]' '[m/s]'\n"
    "  varnel [OPTIONS] < FILE            convert one \"QUANTITY -> TARGET\" per line\n"
    "  varnel --list [CATEGORY]           show the units\n"
    "  varnel --search WORD               find units by name, symbol or keyword\n"
    "  varnel --validate [FILE] [--all]   list the problems of a units data file\n"
    "\n"
    "The target names one unit per unit of the quantity, in any order; a quantity of\n"
    "one unit converts to any unit of its category, and units with the same base units\n"
    "convert to each other (kW.h to J, lbf/in^2 to kPa).\n"
    "\n"
    "Options:\n";

const char* const BatchLineSeparator = "->";

// The units data a run leaves to the process exit. Held here, it stays
// reachable: a leak checker sees it kept, not lost.
TCliConverter* LeftToExit = nullptr;

class TPrecisionScope {
public:
    explicit TPrecisionScope(std::optional<int> precision) {
        if (precision)
            previous_ = SetCurrentPrecision(*precision);
    }
    ~TPrecisionScope() {
        if (previous_)
            SetCurrentPrecision(*previous_);
    }
    TPrecisionScope(const TPrecisionScope&) = delete;
    TPrecisionScope& operator=(const TPrecisionScope&) = delete;

private:
    std::optional<int> previous_;
};

void Report(std::ostream& err, const std::string& prefix, const std::string& message) {
    if (!message.empty())
        err << prefix << message << '\n';
}

// The core's messages become lines on standard error, marked with the batch
// line they belong to.
void ReportAll(std::ostream& err, const std::string& prefix, const TMessages& messages) {
    for (const std::string& message : messages)
        Report(err, prefix, message);
}

std::filesystem::path DataFileOf(const TCliOptions& options) {
    if (!options.DataFile.empty())
        return options.DataFile;
    return FindDataFile("Varnel.unt");
}

std::unique_ptr<TCliConverter> LoadConverter(const std::filesystem::path& file, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw ECliError("Cannot find the units data file " + file.string() + ".");
    auto converter = std::make_unique<TCliConverter>(ReadTextFile(file));
    ReportAll(err, "", converter->TakeMessages());
    if (!converter->Units().Root())
        throw ECliError("Cannot read units data from " + file.string() + ".");
    return converter;
}

// Runs one step of the tool and reports its failure; true when it worked.
template <class Step> bool Attempt(std::ostream& err, const std::string& prefix, Step step) {
    try {
        step();
        return true;
    } catch (const Exception& e) {
        Report(err, prefix, e.Message());
    } catch (const std::exception& e) {
        Report(err, prefix, e.what());
    }
    return false;
}

bool SplitBatchLine(const std::string& line, std::string& quantity, std::string& target) {
    const size_t arrow = line.find(BatchLineSeparator);
    if (arrow == std::string::npos)
        return false;
    quantity = Trim(line.substr(0, arrow));
    target = Trim(line.substr(arrow + std::string_view(BatchLineSeparator).size()));
    return true;
}

// The engine's messages come before the result or the reason it failed.
bool ConvertOne(TCliConverter& converter, const std::string& quantity, const std::string& target,
                std::ostream& out, std::ostream& err, const std::string& prefix) {
    std::string result;
    const bool converted = Attempt(err, prefix, [&] {
        try {
            result = converter.Convert(quantity, target);
        } catch (...) {
            ReportAll(err, prefix, converter.TakeMessages());
            throw;
        }
    });
    if (converted) {
        ReportAll(err, prefix, converter.TakeMessages());
        out << result << '\n';
    }
    return converted;
}

bool ConvertLine(TCliConverter& converter, const std::string& line, std::ostream& out,
                 std::ostream& err, const std::string& prefix) {
    std::string quantity;
    std::string target;
    if (!SplitBatchLine(line, quantity, target)) {
        Report(err, prefix,
               "Write a conversion as QUANTITY -> TARGET, for example 36 [km/h] -> [m/s].");
        return false;
    }
    return ConvertOne(converter, quantity, target, out, err, prefix);
}

int RunBatch(TCliConverter& converter, std::istream& in, std::ostream& out, std::ostream& err) {
    bool allConverted = true;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsBlank(line))
            continue;
        const std::string prefix = "line " + std::to_string(number) + ": ";
        allConverted = ConvertLine(converter, line, out, err, prefix) && allConverted;
    }
    out.flush();
    return allConverted ? 0 : 1;
}

int RunConversion(TCliConverter& converter, const TCliOptions& options, std::istream& in,
                  std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& words = options.Conversion;
    bool converted = false;
    switch (words.size()) {
    case 0:
        return RunBatch(converter, in, out, err);
    case 1:
        converted = ConvertLine(converter, words[0], out, err, "");
        break;
    case 2:
        converted = ConvertOne(converter, words[0], words[1], out, err, "");
        break;
    default:
        Report(err, "",
               "Give a quantity and a target, for example: varnel '36 [km/h]' '[m/s]' "
               "(quote each one).");
        break;
    }
    return converted ? 0 : 1;
}

int RunValidateOption(const TCliOptions& options, std::ostream& out, std::ostream& err) {
    if (!options.Validate) {
        Report(err, "", "--all goes with --validate.");
        return 1;
    }
    const std::filesystem::path file =
        options.ValidateFile.empty() ? DataFileOf(options) : options.ValidateFile;
    return RunValidation(file, !options.ValidateAll, out, err);
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err, TModelAtEnd atEnd) {
    TCliOptions options;
    if (!Attempt(err, "", [&] { options = ParseCliArguments(arguments); }))
        return 1;
    if (options.Help) {
        out << Usage << OptionsHelp();
        return 0;
    }
    if (options.Version) {
        out << "varnel " << ProgramVersion << '\n';
        return 0;
    }
    if (options.Validate || options.ValidateAll)
        return RunValidateOption(options, out, err);
    TPrecisionScope precision(options.Precision);
    std::unique_ptr<TCliConverter> converter;
    if (!Attempt(err, "", [&] { converter = LoadConverter(DataFileOf(options), err); }))
        return 1;
    int status = 0;
    if (options.Search) {
        const bool found =
            Attempt(err, "", [&] { ListMatchingUnits(converter->Units(), *options.Search, out); });
        status = found ? 0 : 1;
    } else if (options.List) {
        const TCats& units = converter->Units();
        const bool listed = Attempt(err, "", [&] {
            if (options.ListCategory.empty())
                ListAllUnits(units, out);
            else
                ListCategory(units, options.ListCategory, out);
        });
        status = listed ? 0 : 1;
    } else {
        status = RunConversion(*converter, options, in, out, err);
    }
    if (atEnd == TModelAtEnd::LeaveToExit)
        LeftToExit = converter.release();
    return status;
}

} // namespace varnel::cli
