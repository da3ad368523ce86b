#include "common/AbbrevList.h"
#include "common/Exception.h"
#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

namespace varnel {
namespace {

TEST(EM, NumberedTextsAreInternalErrors) {
    EXPECT_STREQ(EM("56").what(), "internal error #56");
    EXPECT_STREQ(EM("-3").what(), "internal error #-3");
    EXPECT_STREQ(EM("0").what(), "0");
    EXPECT_STREQ(EM("Categories don't match.").what(), "Categories don't match.");
    EXPECT_STREQ(EM("5 apples").what(), "5 apples");
    EXPECT_STREQ(EM("").what(), "");
    EXPECT_STREQ(EM(TInternalError::SourceAndTargetFactorsDiffer).what(), "internal error #221");
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
        EXPECT_STREQ(e.what(),
                     "The character U+03A9 cannot be written in the Windows-1252 code page.");
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

std::string ReadError(const std::filesystem::path& file, std::size_t maxLines = AllLines) {
    try {
        ReadTextFile(file, maxLines);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

// Each kind of file a program file may be replaced by, in turn.
TEST(TextFile, OnlyRegularFilesAreRead) {
    test::TempFolder folder;
    const auto file = folder / "x.ini";
    const struct {
        const char* name;
        std::function<void()> make;
        std::string error;
    } rows[] = {
        {"folder", [&] { std::filesystem::create_directory(file); }, ": it is not a regular file."},
        {"FIFO: never waited on", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
         ": it is not a regular file."},
        {"over 64 MiB",
         [&] {
             test::WriteBytes(file, "");
             std::filesystem::resize_file(file, MaxTextFileBytes + 1);
         },
         ": it is larger than 64 MiB."},
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(file);
        row.make();
        EXPECT_EQ(ReadError(file), "Cannot read file \"" + file.string() + "\"" + row.error)
            << row.name;
        EXPECT_THROW(LoadAbbrevList(file), Exception) << row.name;
    }
}

TEST(TextFile, FirstLinesOnlyOfAHugeFile) {
    test::TempFolder folder;
    const auto file = folder / "x.log";
    test::WriteBytes(file, "a\r\nb\r\nc");
    std::filesystem::resize_file(file, MaxTextFileBytes * 2); // zeros after "c"
    EXPECT_EQ(ReadTextFile(file, 2), "a\r\nb\r\n");
    EXPECT_EQ(ReadTextFile(file, 0), "");
}

// A link planted at the file's name or at a temporary name the program once
// used is replaced or left alone, never written through.
TEST(TextFile, WritingNeverFollowsALink) {
    test::TempFolder folder;
    const auto victim = folder / "victim.txt";
    const auto file = folder / "ZureVave.log";
    test::WriteBytes(victim, "precious");
    std::filesystem::create_symlink(victim, file);
    std::filesystem::create_symlink(victim, folder / "ZureVave.log.tmp~");

    WriteTextFile("row", file);

    EXPECT_EQ(test::ReadBytes(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(file));
    EXPECT_EQ(test::ReadBytes(file), "row\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 3) << "a temporary file was left behind";
}

TEST(TextFile, ReplacedFileKeepsItsPermissions) {
    test::TempFolder folder;
    const auto file = folder / "VarnelKalto.ini";
    test::WriteBytes(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    WriteTextFile("new", file);
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
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
