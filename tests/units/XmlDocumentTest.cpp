#include "units/XmlDocument.h"
#include "common/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace varnel {
namespace {

TEST(XmlDocument, MalformedTextRaisesParseErrorWithPosition) {
    TXmlDocument doc;
    try {
        doc.LoadFromText("<a>\n  <b></c>\n</a>");
        FAIL() << "no parse error";
    } catch (const EXmlParseError& e) {
        EXPECT_NE(e.Message().find("line 2"), std::string::npos) << e.Message();
    }
}

TEST(XmlDocument, EmptyTextIsAParseError) {
    TXmlDocument doc;
    EXPECT_THROW(doc.LoadFromText(""), EXmlParseError);
}

TEST(XmlDocument, FailedLoadKeepsPreviousContentAndHandles) {
    TXmlDocument doc;
    doc.LoadFromText("<root><item name=\"x\"/></root>");
    pugi::xml_node item = doc.DocumentElement().child("item");
    EXPECT_THROW(doc.LoadFromText("<root><item>"), EXmlParseError);
    EXPECT_EQ(doc.DocumentElement().child("item"), item);
    EXPECT_STREQ(item.attribute("name").value(), "x");
}

TEST(XmlDocument, MissingFileIsNotAParseError) {
    TXmlDocument doc;
    try {
        doc.LoadFromFile("/nonexistent/folder/none.xml");
        FAIL() << "no error";
    } catch (const EXmlParseError&) {
        FAIL() << "a missing file is not malformed XML";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"/nonexistent/folder/none.xml\".");
    }
}

TEST(XmlDocument, TextIsUtf8WhateverTheDeclarationSays) {
    TXmlDocument doc;
    doc.LoadFromText("<?xml version=\"1.0\" encoding=\"windows-1252\"?><a s=\"°C µm\"/>");
    EXPECT_STREQ(doc.DocumentElement().attribute("s").value(), "°C µm");
}

TEST(XmlDocument, FileIsReadAsWindows1252) {
    test::TempFolder folder;
    test::WriteBytes(folder / "a.xml", "<a s=\"\xB0"
                                       "C &#937;\"/>");
    TXmlDocument doc;
    doc.LoadFromFile(folder / "a.xml");
    EXPECT_STREQ(doc.DocumentElement().attribute("s").value(), "°C Ω");
}

TEST(XmlDocument, SerialisedDocumentLoadsAgainInOrder) {
    TXmlDocument doc;
    doc.LoadFromText("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                     "<UnitsData><!-- kept --><b n=\"1\"/><a n=\"2\">t &amp; u</a><b n=\"3\"/>"
                     "</UnitsData>");
    std::string xml = doc.Xml();
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<UnitsData>\n"))
        << xml;
    EXPECT_NE(xml.find("<!-- kept -->"), std::string::npos);

    TXmlDocument again;
    again.LoadFromText(xml);
    std::string order;
    for (pugi::xml_node child : again.DocumentElement().children())
        if (child.type() == pugi::node_element)
            order += std::string(child.name()) + child.attribute("n").value();
    EXPECT_EQ(order, "b1a2b3");
    EXPECT_STREQ(again.DocumentElement().child("a").text().get(), "t & u");
}

TEST(XmlDocument, SavedFileKeepsCharactersBeyondTheCodePage) {
    test::TempFolder folder;
    TXmlDocument doc;
    doc.CreateDocumentElement("UnitsData").append_attribute("s").set_value("Ω °");
    doc.SaveToFile(folder / "out.xml");
    EXPECT_NE(test::ReadBytes(folder / "out.xml").find("s=\"&#937; \xB0\""), std::string::npos);
    TXmlDocument again;
    again.LoadFromFile(folder / "out.xml");
    EXPECT_STREQ(again.DocumentElement().attribute("s").value(), "Ω °");
}

TEST(XmlDocument, DeeplyNestedElementsDoNotCrash) {
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    TXmlDocument doc;
    doc.LoadFromText(text);
    EXPECT_GT(doc.Xml().size(), text.size());
    EXPECT_THROW(doc.LoadFromText(text.substr(0, text.size() - 4)), EXmlParseError);
}

TEST(XmlDocument, RegisteredAsMsxml) {
    EXPECT_TRUE(HasXmlImplementation("MSXML"));
    EXPECT_FALSE(HasXmlImplementation("msxml"));
    EXPECT_EQ(XmlImplementations(), std::vector<std::string>{"MSXML"});
}

} // namespace
} // namespace varnel
