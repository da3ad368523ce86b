#include "app/CliOptions.h"

#include "common/Exception.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>

namespace varnel::cli {

namespace {

enum class TValueKind { None, Required, Optional };

// One option of the command line. A new option is one more row of the table.
struct TCliOption {
    std::string_view Name;
    TValueKind Value;
    std::string_view ValueName;
    std::string_view Help;
    std::function<void(TCliOptions&, const std::string&)> Apply;
};

// The formatter would quietly raise a smaller precision to 2 and cut a
// larger one to 18, so the tool refuses what it would not honour.
constexpr int MinPrecision = 2;
constexpr int MaxPrecision = 18;

int ReadPrecision(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw Exception("--prec needs a whole number of digits, not \"" + text + "\".");
    if (value < MinPrecision || value > MaxPrecision)
        throw Exception("--prec needs " + std::to_string(MinPrecision) + " to " +
                        std::to_string(MaxPrecision) + " digits, not " + text + ".");
    return value;
}

const std::vector<TCliOption>& Options() {
    static const std::vector<TCliOption> options = {
        {"--data", TValueKind::Required, "FILE",
         "units data file (default: Varnel.unt beside the program)",
         [](TCliOptions& o, const std::string& v) { o.DataFile = v; }},
        {"--prec", TValueKind::Required, "N", "significant digits of the results (default 7)",
         [](TCliOptions& o, const std::string& v) { o.Precision = ReadPrecision(v); }},
        {"--list", TValueKind::Optional, "CATEGORY",
         "list domains, categories and units, or the units of one category",
         [](TCliOptions& o, const std::string& v) {
             o.List = true;
             o.ListCategory = v;
         }},
        {"--search", TValueKind::Required, "WORD",
         "list the units whose name, symbol or keyword holds WORD (any case, any accents)",
         [](TCliOptions& o, const std::string& v) { o.Search = v; }},
        {"--validate", TValueKind::Optional, "FILE",
         "check a units data file (default: the units data file) and list its problems",
         [](TCliOptions& o, const std::string& v) {
             o.Validate = true;
             o.ValidateFile = v;
         }},
        {"--all", TValueKind::None, "", "with --validate: check disabled categories and units too",
         [](TCliOptions& o, const std::string&) { o.ValidateAll = true; }},
        {"--version", TValueKind::None, "", "show the version",
         [](TCliOptions& o, const std::string&) { o.Version = true; }},
        {"--help", TValueKind::None, "", "show this help",
         [](TCliOptions& o, const std::string&) { o.Help = true; }},
    };
    return options;
}

const TCliOption* FindOption(std::string_view name) {
    if (name == "-h")
        name = "--help";
    for (const TCliOption& option : Options())
        if (option.Name == name)
            return &option;
    return nullptr;
}

// "-x" is an option, "-5 [m]" and "-.5 [m]" are quantities.
bool IsOptionLike(const std::string& argument) {
    if (argument.starts_with("--"))
        return true;
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    const unsigned char second = static_cast<unsigned char>(argument[1]);
    return std::isalpha(second) != 0;
}

// The optional value of --list and --validate may come anywhere on the line,
// "--validate --all FILE" as well as "--validate FILE --all".
void TakeOptionalValue(std::vector<std::string>& words, std::string& value) {
    if (value.empty() && !words.empty()) {
        value = words.front();
        words.erase(words.begin());
    }
}

void CheckCombination(TCliOptions& options) {
    if (options.List && options.Validate)
        throw Exception("--list and --validate go one at a time.");
    if (options.List)
        TakeOptionalValue(options.Conversion, options.ListCategory);
    if (options.Validate) {
        std::string file = options.ValidateFile.string();
        TakeOptionalValue(options.Conversion, file);
        options.ValidateFile = file;
    }
    if ((options.List || options.Validate) && !options.Conversion.empty())
        throw Exception("Unexpected argument \"" + options.Conversion.front() +
                        "\"; see varnel --help.");
}

} // namespace

TCliOptions ParseCliArguments(const std::vector<std::string>& arguments) {
    TCliOptions options;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !IsOptionLike(argument)) {
            options.Conversion.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const TCliOption* option = FindOption(name);
        if (option == nullptr)
            throw Exception("Unknown option " + name + "; see varnel --help.");
        std::string value;
        if (equals != std::string::npos) {
            if (option->Value == TValueKind::None)
                throw Exception(name + " takes no value.");
            value = argument.substr(equals + 1);
        } else if (option->Value == TValueKind::Required) {
            if (i + 1 == arguments.size())
                throw Exception(name + " needs a value: " + name + " " +
                                std::string(option->ValueName) + ".");
            value = arguments[++i];
        } else if (option->Value == TValueKind::Optional && i + 1 < arguments.size() &&
                   !IsOptionLike(arguments[i + 1])) {
            value = arguments[++i];
        }
        option->Apply(options, value);
    }
    CheckCombination(options);
    return options;
}

std::string OptionsHelp() {
    std::string text;
    for (const TCliOption& option : Options()) {
        std::string head = "  " + std::string(option.Name);
        if (option.Value == TValueKind::Required)
            head += " " + std::string(option.ValueName);
        else if (option.Value == TValueKind::Optional)
            head += " [" + std::string(option.ValueName) + "]";
        head.resize(std::max<size_t>(head.size() + 2, 22), ' ');
        text += head + std::string(option.Help) + "\n";
    }
    return text;
}

} // namespace varnel::cli
