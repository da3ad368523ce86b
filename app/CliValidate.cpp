#include "app/CliValidate.h"

#include "units/Validation.h"

#include <system_error>

namespace varnel::cli {

namespace {

// `Duplicated unit names (unit "foot")`; the header messages concern no
// element and stand alone.
std::string ProblemLine(const TValidationError& error) {
    if (!error.Element)
        return error.Message;
    pugi::xml_node node = error.Element.Node();
    return error.Message + " (" + node.name() + " \"" + node.attribute("name").value() + "\")";
}

void PrintProblems(const TValidationErrors& errors, std::ostream& out) {
    for (const TValidationError& error : errors)
        out << ProblemLine(error) << '\n';
    out.flush();
}

void PrintMessages(const TMessages& messages, std::ostream& err) {
    for (const std::string& message : messages)
        err << message << '\n';
}

} // namespace

int RunValidation(const std::filesystem::path& file, bool enabledOnly, std::ostream& out,
                  std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        err << "Cannot find the units data file " << file.string() << ".\n";
        return 1;
    }
    TXmlDocument doc;
    TValidationErrors errors;
    TMessages messages;
    try {
        doc.LoadFromFile(file);
        ValidateUnitsData(UnitsDataOf(doc), errors, enabledOnly, messages);
    } catch (const Exception& e) {
        // The problems found before the walk stopped are still worth seeing.
        PrintMessages(messages, err);
        PrintProblems(errors, out);
        err << file.string() << ": " << e.Message() << '\n';
        return 1;
    }
    PrintMessages(messages, err);
    PrintProblems(errors, out);
    return errors.empty() ? 0 : 1;
}

} // namespace varnel::cli
