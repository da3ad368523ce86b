#include "units/UpdateCheck.h"
#include "support/TestSupport.h"
#include "units/OwnVersion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace varnel {
namespace {

using namespace std::chrono;
using TStart = TUpdateCheck::TStart;

const TDay Day = year{2026} / December / 9;

std::string Pad(const std::string& version, const std::string& change = "http://x.example/new",
                const std::string& root = "XML_DIZ_INFO") {
    return "<?xml version=\"1.0\"?>\n<" + root +
           "><Program_Info><Program_Name>Varnel</Program_Name>"
           "<Program_Version>" +
           version +
           "</Program_Version></Program_Info><Web_Info>"
           "<Application_URLs><Application_Change_URL>" +
           change +
           "</Application_Change_URL><Application_XML_File_URL>http://evil.example/"
           "</Application_XML_File_URL></Application_URLs></Web_Info></" +
           root + ">\n";
}

// A check as the converter sets it up, on a description file in a
// temporary folder that may or may not exist yet.
struct TCheckFixture {
    explicit TCheckFixture(std::optional<std::string> local, TDay marked = Day - days(1)) {
        check.OwnVersion = 310;
        check.Defaults = ConverterDescriptionDefaults(310);
        check.WritableFile = folder / "Kalto.xml";
        if (local) {
            test::WriteBytes(check.WritableFile, *local);
            std::filesystem::last_write_time(check.WritableFile, LocalMidnight(marked));
        }
        check.LoadDescription(check.WritableFile);
    }
    std::string Bytes() const { return test::ReadBytes(check.WritableFile); }
    TDay Marked(const std::filesystem::path& file) const {
        return LocalDayOf(std::filesystem::last_write_time(file));
    }

    test::TempFolder folder;
    TUpdateCheck check;
};

TEST(UpdateCheck, VersionTexts) {
    const struct {
        const char* text;
        std::optional<int32_t> version;
    } rows[] = {{"320", 320},
                {" 0320\r\n", 320},
                {"-5", -5},
                {"2147483647", 2147483647},
                {"2147483648", std::nullopt},
                {"3.2", std::nullopt},
                {"+320", std::nullopt},
                {"320a", std::nullopt},
                {"", std::nullopt},
                {"&lol9;", std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(ReadProgramVersion(row.text), row.version) << row.text;
}

TEST(UpdateCheck, ValuesComeFromTheDescriptionThenTheDefaults) {
    TCheckFixture f(Pad(" 320 ", "  http://x.example/new \n"));
    const struct {
        const char* name;
        std::string value;
    } rows[] = {
        {"Program_Version", "320"},
        {"Application_Change_URL", "http://x.example/new"},
        {"Program_Name", "Varnel"},
        {"Program_Type", "Freeware"}, // absent from the file
        {"Application_XML_File_URL", "http://www.quillmere.example/v4/kalto.xml"},
        {"contact_email", "http://www.quillmere.example/survey/comment.html?sj=Kalto"},
        {"Unknown", ""},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(f.check.DescriptionValue(row.name), row.value) << row.name;
}

TEST(UpdateCheck, UnusableLocalFilesLeaveTheDefaults) {
    const struct {
        const char* name;
        std::string text;
    } rows[] = {{"not XML", "<XML_DIZ_INFO><Program_Info>"},
                {"another root naming the format in text", "<a><!-- <XML_DIZ_INFO> --></a>"},
                {"version not a number", Pad("3.3")},
                {"version out of range", Pad("99999999999")}};
    for (const auto& row : rows) {
        TCheckFixture f(row.text);
        EXPECT_EQ(f.check.DescriptionValue("Program_Version"), "310") << row.name;
        EXPECT_EQ(f.check.BeginCheck(Day), TStart::FetchDue) << row.name;
    }
}

TEST(UpdateCheck, StartOfTheCheck) {
    const struct {
        const char* name;
        std::optional<std::string> local;
        TDay marked;
        std::optional<TDay> retryMarked;
        TStart start;
    } rows[] = {
        {"no local file", std::nullopt, Day, std::nullopt, TStart::FetchDue},
        {"local names a newer version", Pad("320"), Day + days(30), std::nullopt,
         TStart::NewerKnown},
        {"date not reached", Pad("310"), Day, std::nullopt, TStart::NotDue},
        {"date a month ahead", Pad("310"), Day + days(30), std::nullopt, TStart::NotDue},
        {"date passed", Pad("310"), Day - days(1), std::nullopt, TStart::FetchDue},
        {"date beyond any check (clock set back)", Pad("310"), Day + days(31), std::nullopt,
         TStart::FetchDue},
        {"failed today", Pad("310"), Day - days(1), Day, TStart::NotDue},
        {"failed today without a file", std::nullopt, Day, Day, TStart::NotDue},
        {"failed yesterday", Pad("310"), Day - days(1), Day - days(1), TStart::FetchDue},
    };
    for (const auto& row : rows) {
        TCheckFixture f(row.local, row.marked);
        if (row.retryMarked) {
            test::WriteBytes(f.check.RetryFile(), "");
            std::filesystem::last_write_time(f.check.RetryFile(), LocalMidnight(*row.retryMarked));
        }
        EXPECT_EQ(f.check.BeginCheck(Day), row.start) << row.name;
        const bool announced = row.start == TStart::NewerKnown;
        EXPECT_EQ(f.check.UpdateMessage(), announced ? UpdateMessageText : "") << row.name;
        EXPECT_EQ(f.check.UpdateLink(), announced ? "http://x.example/new" : "") << row.name;
    }
}

TEST(UpdateCheck, GoodRepliesDateTheNextCheckAMonthAhead) {
    const struct {
        const char* name;
        std::optional<std::string> local;
        std::string reply;
        bool newer;
        bool rewritten;
    } rows[] = {
        {"same version", Pad("310", "http://old.example/"), Pad("310"), false, false},
        {"no local file", std::nullopt, Pad("310"), false, true},
        {"damaged local file", "<XML_DIZ_INFO>", Pad("310"), false, true},
        {"newer version", Pad("310", "http://old.example/"), Pad("320"), true, true},
        {"version not a number", Pad("310", "http://old.example/"), Pad("3.3"), false, false},
    };
    for (const auto& row : rows) {
        TCheckFixture f(row.local);
        const std::string before = f.Bytes();
        test::WriteBytes(f.check.RetryFile(), "");
        EXPECT_EQ(f.check.FinishCheck(row.reply, Day), row.newer) << row.name;
        EXPECT_EQ(f.Bytes() != before, row.rewritten) << row.name;
        EXPECT_EQ(std::filesystem::last_write_time(f.check.WritableFile),
                  LocalMidnight(Day + days(30)))
            << row.name;
        EXPECT_FALSE(std::filesystem::exists(f.check.RetryFile())) << row.name;
        EXPECT_EQ(f.check.UpdateLink(), row.newer ? "http://x.example/new" : "") << row.name;
        TUpdateCheck next;
        next.OwnVersion = 310;
        next.LoadDescription(f.check.WritableFile);
        EXPECT_EQ(next.BeginCheck(Day + days(30)), row.newer ? TStart::NewerKnown : TStart::NotDue)
            << row.name;
    }
}

TEST(UpdateCheck, BadRepliesLeaveTheFileAndRetryTomorrow) {
    const struct {
        const char* name;
        std::string reply;
    } rows[] = {{"empty", ""},
                {"garbage", "\x1f\x8b\x08 not a document"},
                {"html error page", "<html><body>404 Not Found</body></html>"},
                {"another root", Pad("320", "http://x.example/new", "XML_DIZ_INFO2")},
                {"cut short", Pad("320").substr(0, 60)}};
    for (const auto& row : rows) {
        TCheckFixture f(Pad("310"), Day - days(3));
        const std::string before = f.Bytes();
        EXPECT_FALSE(f.check.FinishCheck(row.reply, Day)) << row.name;
        EXPECT_EQ(f.Bytes(), before) << row.name;
        EXPECT_EQ(f.Marked(f.check.WritableFile), Day - days(3)) << row.name;
        EXPECT_EQ(f.check.UpdateMessage(), "") << row.name;
        EXPECT_EQ(f.check.BeginCheck(Day), TStart::NotDue) << row.name;
        EXPECT_EQ(f.check.BeginCheck(Day + days(1)), TStart::FetchDue) << row.name;
    }
}

TEST(UpdateCheck, EntitiesInARepliedDocumentStayUnexpanded) {
    const std::string doctype =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE XML_DIZ_INFO [\n"
        "<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
        "<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>\n";
    TCheckFixture f(std::nullopt);
    EXPECT_FALSE(f.check.FinishCheck(
        doctype + "<XML_DIZ_INFO><Program_Info><Program_Name>&lol2;&xxe;</Program_Name>"
                  "<Program_Version>&lol2;</Program_Version></Program_Info></XML_DIZ_INFO>",
        Day));
    TUpdateCheck stored;
    stored.LoadDescription(f.check.WritableFile);
    EXPECT_EQ(stored.DescriptionValue("Program_Name"), "&lol2;&xxe;");
}

TEST(UpdateCheck, AWriteFailureStillAnnouncesTheUpdate) {
    TCheckFixture f(std::nullopt);
    f.check.WritableFile = f.folder / "no such folder" / "Kalto.xml";
    EXPECT_TRUE(f.check.FinishCheck(Pad("320"), Day));
    EXPECT_EQ(f.check.UpdateMessage(), UpdateMessageText);
    EXPECT_EQ(f.check.UpdateLink(), "http://x.example/new");
    f.check.FailCheck(Day); // nowhere to note it either: quiet
}

TEST(UpdateCheck, RepliesDeclaredAsWindows1252AreDecoded) {
    TCheckFixture f(std::nullopt);
    std::string reply = Pad("320", "http://x.example/caf\xE9");
    reply.replace(0, 21, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    EXPECT_TRUE(f.check.FinishCheck(reply, Day));
    EXPECT_EQ(f.check.UpdateLink(), "http://x.example/caf\u00E9");
}

TEST(UpdateCheck, ShippedDescriptionIsThisVersion) {
    TUpdateCheck shipped;
    shipped.LoadDescription(test::ShippedDataPath("Kalto.xml"));
    ASSERT_TRUE(shipped.HasDescription());
    EXPECT_EQ(shipped.DescriptionValue("Program_Version"), std::to_string(OwnVersion()));
}

} // namespace
} // namespace varnel
