#include "units/ProgramDescription.h"

#include "common/TextUtil.h"
#include "common/Windows1252.h"

#include <array>
#include <charconv>

namespace varnel {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

constexpr std::array<std::string_view, 5> SingleByteEncodings = {
    "windows-1252", "cp1252", "iso-8859-1", "latin1", "us-ascii"};

// The encoding named in the XML declaration at the start of the text.
std::string DeclaredEncoding(std::string_view text) {
    if (text.substr(0, 5) != "<?xml")
        return {};
    const std::string_view declaration = text.substr(0, text.find("?>"));
    const size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return {};
    const size_t quote = declaration.find_first_of("\"'", key);
    if (quote == std::string_view::npos)
        return {};
    const size_t end = declaration.find(declaration[quote], quote + 1);
    if (end == std::string_view::npos)
        return {};
    return std::string(declaration.substr(quote + 1, end - quote - 1));
}

} // namespace

std::string TXMLDescriptionGroup::Leaf(const char* name) const {
    return node_.child(name).text().get();
}

void TXMLDescriptionGroup::SetLeaf(const char* name, std::string_view value) const {
    pugi::xml_node leaf = GroupOrNew(name);
    leaf.text().set(std::string(value).c_str());
}

pugi::xml_node TXMLDescriptionGroup::GroupOrNew(const char* name) const {
    pugi::xml_node node = node_;
    pugi::xml_node child = node.child(name);
    return child ? child : node.append_child(name);
}

std::optional<int32_t> TXMLProgram_InfoType::Program_Version() const {
    return ReadProgramVersion(Leaf("Program_Version"));
}

TXMLXML_DIZ_INFOType GetXML_DIZ_INFO(const TXmlDocument& document) {
    pugi::xml_node root = document.DocumentElement();
    return TXMLXML_DIZ_INFOType(root.name() == DescriptionRootName ? root : pugi::xml_node());
}

std::optional<int32_t> ReadProgramVersion(std::string_view text) {
    const std::string trimmed = Trim(text);
    int32_t value = 0;
    const char* last = trimmed.data() + trimmed.size();
    auto [end, ec] = std::from_chars(trimmed.data(), last, value);
    if (trimmed.empty() || ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::string DescriptionTextFromBytes(std::string_view bytes) {
    if (bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark)
        return std::string(bytes.substr(Utf8ByteOrderMark.size()));
    const std::string encoding = DeclaredEncoding(bytes);
    for (std::string_view name : SingleByteEncodings)
        if (SameText(encoding, name))
            return Windows1252ToUtf8(bytes);
    return std::string(bytes);
}

} // namespace varnel
