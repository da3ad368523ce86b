#include "common/AbbrevList.h"
#include "common/Exception.h"
#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(EM, NumberedTextsAreInternalErrors) {
    EXPECT_STREQ(EM("56").what(), "internal error #56");
    EXPECT_STREQ(EM("-3").what(), "internal error #-3");
    EXPECT_STREQ(EM("0").what(), "0");
    EXPECT_STREQ(EM("Categories don't match.").what(), "Categories don't match.");
    EXPECT_STREQ(EM("5 apples").what(), "5 apples");
    EXPECT_STREQ(EM("").what(), "");
}

TEST(TextFile, MissingFileReadsEmpty) {
    EXPECT_EQ(ReadTextFile("/nonexistent/folder/file.txt"), "");
}

TEST(TextFile, Windows1252OnDiskUtf8InMemory) {
    test::TempFolder folder;
    auto file = folder / "a.txt";
    WriteTextFile("°C\nÅ m² µm\r\n€", file);
    EXPECT_EQ(test::ReadBytes(file), "\xB0"
                                     "C\r\n\xC5 m\xB2 \xB5m\r\n\x80\r\n");
    EXPECT_EQ(ReadTextFile(file), "°C\r\nÅ m² µm\r\n€\r\n");
}

TEST(TextFile, UnencodableCharacterIsRefusedAndFileKept) {
    test::TempFolder folder;
    auto file = folder / "a.txt";
    WriteTextFile("old", file);
    try {
        WriteTextFile("Ω", file);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "The character U+03A9 cannot be written in the Windows-1252 code page.");
    }
    EXPECT_EQ(ReadTextFile(file), "old\r\n");
    WriteXmlTextFile("<a>Ω</a>", file);
    EXPECT_EQ(test::ReadBytes(file), "<a>&#937;</a>\r\n");
}

TEST(TextFile, EveryByteSurvivesARoundTrip) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(bytes)), bytes);
}

TEST(AbbrevList, NameValueLines) {
    auto list = ParseAbbrevLines("meter=m\r\nno equals\r\n=x\r\nfoot=ft=x\r\n");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "meter");
    EXPECT_EQ(list[0].Value, "m");
    EXPECT_EQ(list[1].Value, "ft=x");
}

} // namespace
} // namespace varnel
