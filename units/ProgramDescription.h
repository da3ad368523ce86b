#pragma once

#include "units/UnitsData.h"
#include "units/XmlDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

inline constexpr std::string_view DescriptionRootName = "XML_DIZ_INFO";

// Typed access to a program description document. Getters of a binding
// without element, or of a missing leaf, read empty text; setters make the
// missing elements on the way.
class TXMLDescriptionGroup : public TXMLElement {
public:
    using TXMLElement::TXMLElement;

protected:
    std::string Leaf(const char* name) const;
    void SetLeaf(const char* name, std::string_view value) const;
    pugi::xml_node Group(const char* name) const { return node_.child(name); }
    pugi::xml_node GroupOrNew(const char* name) const;
};

class TXMLContact_InfoType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    std::string Contact_Email() const { return Leaf("Contact_Email"); }
    void SetContact_Email(std::string_view v) const { SetLeaf("Contact_Email", v); }
};

class TXMLCompany_InfoType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    std::string Company_WebSite_URL() const { return Leaf("Company_WebSite_URL"); }
    void SetCompany_WebSite_URL(std::string_view v) const { SetLeaf("Company_WebSite_URL", v); }
    TXMLContact_InfoType Contact_Info() const {
        return TXMLContact_InfoType(Group("Contact_Info"));
    }
    TXMLContact_InfoType Contact_InfoOrNew() const {
        return TXMLContact_InfoType(GroupOrNew("Contact_Info"));
    }
};

class TXMLProgram_InfoType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    std::string Program_Name() const { return Leaf("Program_Name"); }
    void SetProgram_Name(std::string_view v) const { SetLeaf("Program_Name", v); }
    // Nothing when the text is not a 32-bit integer.
    std::optional<int32_t> Program_Version() const;
    void SetProgram_Version(int32_t v) const { SetLeaf("Program_Version", std::to_string(v)); }
    std::string Program_Release_Date() const { return Leaf("Program_Release_Date"); }
    void SetProgram_Release_Date(std::string_view v) const { SetLeaf("Program_Release_Date", v); }
    std::string Program_Type() const { return Leaf("Program_Type"); }
    void SetProgram_Type(std::string_view v) const { SetLeaf("Program_Type", v); }
    std::string Program_Release_Status() const { return Leaf("Program_Release_Status"); }
    void SetProgram_Release_Status(std::string_view v) const {
        SetLeaf("Program_Release_Status", v);
    }
    std::string Program_Change_Info() const { return Leaf("Program_Change_Info"); }
    void SetProgram_Change_Info(std::string_view v) const { SetLeaf("Program_Change_Info", v); }
};

class TXMLApplication_URLsType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    std::string Application_Info_URL() const { return Leaf("Application_Info_URL"); }
    void SetApplication_Info_URL(std::string_view v) const { SetLeaf("Application_Info_URL", v); }
    std::string Application_Order_URL() const { return Leaf("Application_Order_URL"); }
    void SetApplication_Order_URL(std::string_view v) const { SetLeaf("Application_Order_URL", v); }
    std::string Application_Screenshot_URL() const { return Leaf("Application_Screenshot_URL"); }
    void SetApplication_Screenshot_URL(std::string_view v) const {
        SetLeaf("Application_Screenshot_URL", v);
    }
    std::string Application_Change_URL() const { return Leaf("Application_Change_URL"); }
    void SetApplication_Change_URL(std::string_view v) const {
        SetLeaf("Application_Change_URL", v);
    }
    std::string Application_XML_File_URL() const { return Leaf("Application_XML_File_URL"); }
    void SetApplication_XML_File_URL(std::string_view v) const {
        SetLeaf("Application_XML_File_URL", v);
    }
};

class TXMLDownload_URLsType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    std::string Primary_Download_URL() const { return Leaf("Primary_Download_URL"); }
    void SetPrimary_Download_URL(std::string_view v) const { SetLeaf("Primary_Download_URL", v); }
};

class TXMLWeb_InfoType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    TXMLApplication_URLsType Application_URLs() const {
        return TXMLApplication_URLsType(Group("Application_URLs"));
    }
    TXMLApplication_URLsType Application_URLsOrNew() const {
        return TXMLApplication_URLsType(GroupOrNew("Application_URLs"));
    }
    TXMLDownload_URLsType Download_URLs() const {
        return TXMLDownload_URLsType(Group("Download_URLs"));
    }
    TXMLDownload_URLsType Download_URLsOrNew() const {
        return TXMLDownload_URLsType(GroupOrNew("Download_URLs"));
    }
};

class TXMLXML_DIZ_INFOType : public TXMLDescriptionGroup {
public:
    using TXMLDescriptionGroup::TXMLDescriptionGroup;
    TXMLCompany_InfoType Company_Info() const {
        return TXMLCompany_InfoType(Group("Company_Info"));
    }
    TXMLCompany_InfoType Company_InfoOrNew() const {
        return TXMLCompany_InfoType(GroupOrNew("Company_Info"));
    }
    TXMLProgram_InfoType Program_Info() const {
        return TXMLProgram_InfoType(Group("Program_Info"));
    }
    TXMLProgram_InfoType Program_InfoOrNew() const {
        return TXMLProgram_InfoType(GroupOrNew("Program_Info"));
    }
    TXMLWeb_InfoType Web_Info() const { return TXMLWeb_InfoType(Group("Web_Info")); }
    TXMLWeb_InfoType Web_InfoOrNew() const { return TXMLWeb_InfoType(GroupOrNew("Web_Info")); }
};

// The root binding when the document element is named XML_DIZ_INFO, else a
// binding without element.
TXMLXML_DIZ_INFOType GetXML_DIZ_INFO(const TXmlDocument& document);

// A version text as a 32-bit integer; nothing for anything else.
std::optional<int32_t> ReadProgramVersion(std::string_view text);

// The bytes of a fetched description as UTF-8 text: a byte order mark goes,
// and a declared single-byte encoding is decoded as Windows-1252.
std::string DescriptionTextFromBytes(std::string_view bytes);

} // namespace varnel
