#pragma once

#include "common/Exception.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace varnel {

// A text that is not well-formed XML. Callers show its message and let every
// other error pass on.
class EXmlParseError : public Exception {
public:
    using Exception::Exception;
};

// The XML document service: parse, walk, change and serialise one document.
// Element handles (pugi::xml_node) of the same element compare equal, so an
// element can serve as a key. A load that fails leaves the previous content
// and every handle into it intact.
class TXmlDocument {
public:
    TXmlDocument();
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument&) = delete;
    TXmlDocument& operator=(const TXmlDocument&) = delete;

    // Text in memory is UTF-8 whatever the declaration says (files are
    // decoded on reading).
    void LoadFromText(std::string_view text);
    // Reads a Windows-1252 file; a file that cannot be read fails with
    // Exception, malformed content with EXmlParseError.
    void LoadFromFile(const std::filesystem::path& file);

    pugi::xml_node DocumentElement() const;
    // Replaces the whole content by an empty document element of that name.
    pugi::xml_node CreateDocumentElement(std::string_view name);

    // The whole document as XML text, declared as Windows-1252 because that
    // is how every file of the system is written.
    std::string Xml() const;
    // Writes Xml() to a file; characters beyond Windows-1252 become
    // character references.
    void SaveToFile(const std::filesystem::path& file) const;

private:
    std::unique_ptr<pugi::xml_document> dom_;
};

// The registry of DOM implementations, by name.
inline constexpr std::string_view XmlImplementationName = "MSXML";
std::vector<std::string> XmlImplementations();
bool HasXmlImplementation(std::string_view name);

} // namespace varnel
