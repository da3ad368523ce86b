#include "units/XmlDocument.h"

#include "common/TextFile.h"
#include "common/Windows1252.h"

#include <algorithm>
#include <sstream>
#include <system_error>

namespace varnel {

namespace {

// Comments, processing instructions and the doctype are kept so that a
// document serialised after changes loses nothing of what it held.
constexpr unsigned ParseOptions = pugi::parse_full;

std::string PositionText(std::string_view text, ptrdiff_t offset) {
    size_t end = std::min(text.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
    int line = 1;
    int column = 1;
    for (size_t pos = 0; pos < end;) {
        if (text[pos] == '\n') {
            ++line;
            column = 1;
            ++pos;
        } else {
            NextCodePoint(text, pos);
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string ParseErrorMessage(std::string_view text, const pugi::xml_parse_result& result) {
    return std::string(result.description()) + " (" + PositionText(text, result.offset) + ").";
}

// Indentation grows with the square of the nesting depth, so a document
// nested deeper than any units data or program description is written
// without it.
constexpr int MaxIndentedDepth = 64;

class TDepthWalker : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node&) override {
        if (depth() > MaxIndentedDepth) {
            tooDeep = true;
            return false;
        }
        return true;
    }
    bool tooDeep = false;
};

unsigned OutputFormat(pugi::xml_document& dom) {
    TDepthWalker walker;
    dom.traverse(walker);
    return walker.tooDeep ? pugi::format_raw : pugi::format_indent;
}

} // namespace

TXmlDocument::TXmlDocument() : dom_(std::make_unique<pugi::xml_document>()) {}

TXmlDocument::~TXmlDocument() = default;

void TXmlDocument::LoadFromText(std::string_view text) {
    // Parse into a fresh document and swap only on success, so that handles
    // into the previous content stay valid after a parse error.
    auto fresh = std::make_unique<pugi::xml_document>();
    pugi::xml_parse_result result =
        fresh->load_buffer(text.data(), text.size(), ParseOptions, pugi::encoding_utf8);
    if (!result)
        throw EXmlParseError(ParseErrorMessage(text, result));
    dom_ = std::move(fresh);
}

void TXmlDocument::LoadFromFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw Exception("Cannot open file \"" + file.string() + "\".");
    LoadFromText(ReadTextFile(file));
}

pugi::xml_node TXmlDocument::DocumentElement() const {
    return dom_->document_element();
}

pugi::xml_node TXmlDocument::CreateDocumentElement(std::string_view name) {
    dom_ = std::make_unique<pugi::xml_document>();
    return dom_->append_child(std::string(name).c_str());
}

std::string TXmlDocument::Xml() const {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n";
    unsigned format = OutputFormat(*dom_);
    for (pugi::xml_node child : dom_->children())
        if (child.type() != pugi::node_declaration)
            child.print(out, "  ", format, pugi::encoding_utf8);
    return out.str();
}

void TXmlDocument::SaveToFile(const std::filesystem::path& file) const {
    WriteXmlTextFile(Xml(), file);
}

std::vector<std::string> XmlImplementations() {
    return {std::string(XmlImplementationName)};
}

bool HasXmlImplementation(std::string_view name) {
    for (const std::string& implementation : XmlImplementations())
        if (implementation == name)
            return true;
    return false;
}

} // namespace varnel
