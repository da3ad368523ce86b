#include "ui/about/WebLinks.h"
#include "common/MakerSite.h"
#include "support/GuiTestSupport.h"
#include "ui/options/UnitOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

QString MakerSearch(const QString& query) {
    return QString::fromUtf8(MakerSite::Host.data(), MakerSite::Host.size()) +
           "/cgi-bin/ask4unit.cgi" + query;
}

// The options frame that GetOptions reads, with the search engine settings.
struct TSearchOptions {
    TSearchOptions(int engine, const QString& custom) {
        folder.CopyFixture("allunits_units.unt", "Varnel.unt");
        folder.WriteFile(SettingsFile().filename().string(),
                         "UnitFile=Varnel.unt\r\nSearchEngine=" + std::to_string(engine) +
                             "\r\nCustomSearchEngine=" + custom.toStdString() + "\r\n");
        options = std::make_unique<TfmUnitOptions>();
    }

    TProgramFolder folder;
    TMessageBoxRecorder messages;
    std::unique_ptr<TfmUnitOptions> options;
};

void WriteFile(const QString& path, bool executable) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("text\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(file.setPermissions(permissions));
}

void SearchRow(const char* name, int engine, const QString& custom, const QString& category,
               const QString& unit, const QString& address) {
    QTest::newRow(name) << engine << custom << category << unit << address;
}

void UrlRow(const char* name, const QString& address, const QString& opened = QString()) {
    QTest::newRow(name) << address << opened;
}

} // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void SearchTermJoinsWordsWithPlus();
    void SearchFollowsTheOptions_data();
    void SearchFollowsTheOptions();
    void OpenUrlTakesOnlyWebAddressesAndDocuments_data();
    void OpenUrlTakesOnlyWebAddressesAndDocuments();

private:
    QTemporaryDir files_;
};

void WebLinksTest::initTestCase() {
    QVERIFY(files_.isValid());
    WriteFile(files_.filePath("readme.txt"), false);
    WriteFile(files_.filePath("tool"), true);
    WriteFile(files_.filePath("start.desktop"), false);
    WriteFile(files_.filePath("setup.EXE"), false);
    QVERIFY(QDir(files_.path()).mkdir("folder"));
}

void WebLinksTest::SearchTermJoinsWordsWithPlus() {
    QCOMPARE(SearchTerm("  Force (mechanics)\t"), QString("Force++mechanics+"));
    QCOMPARE(SearchTerm("A&B=c/d?#"), QString("A&B=c/d?#")); // nothing else is encoded
    QCOMPARE(SearchTerm("   "), QString());
}

void WebLinksTest::SearchFollowsTheOptions_data() {
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("address");
    SearchRow("category with Google", 1, "", "Force (mechanics)", "",
              MakerSearch("?cat=Force++mechanics+&search_eng=1"));
    SearchRow("category and unit with Wikipedia", 3, "", "Length", "nautical mile",
              MakerSearch("?cat=Length&unit=nautical+mile&search_eng=3"));
    SearchRow("editor's unit search sends an empty cat", 2, "", "", "metre",
              MakerSearch("?cat=&unit=metre&search_eng=2"));
    SearchRow("no engine selected", -1, "", "Time", "", MakerSearch("?cat=Time&search_eng=-1"));
    SearchRow("a blank unit still counts as given", 4, "", "Time", " ",
              MakerSearch("?cat=Time&unit=&search_eng=4"));
    SearchRow("custom engine, empty prefix: the bare term", 0, "", "Force (mechanics)", "",
              "Force++mechanics+");
    SearchRow("custom engine searches the unit alone", 0, "https://find.example/?q=", "Length",
              "mile", "https://find.example/?q=mile");
    SearchRow("custom prefix typed after the http:// label", 0, "www.find.example/s?q=", "Length",
              "", "http://www.find.example/s?q=Length");
    SearchRow("custom prefix with a port", 0, "localhost:8080/s?q=", "Length", "",
              "http://localhost:8080/s?q=Length");
    SearchRow("custom prefix of another scheme", 0, "javascript:alert('", "Time", "",
              "javascript:alert('Time");
    SearchRow("blanks only", 1, "", "  ", "  ", "");
}

void WebLinksTest::SearchFollowsTheOptions() {
    QFETCH(int, engine);
    QFETCH(QString, custom);
    QFETCH(QString, category);
    QFETCH(QString, unit);
    QFETCH(QString, address);
    TSearchOptions options(engine, custom);
    TOpenedUrls opened;

    QCOMPARE(WebSearchAddress(category, unit), address);
    WebSearch(category, unit);

    // Only web addresses are opened.
    const bool web = address.startsWith("http://") || address.startsWith("https://");
    QCOMPARE(opened.urls, web ? QStringList{address} : QStringList());
    QCOMPARE(options.messages.Texts(), QStringList());
}

void WebLinksTest::OpenUrlTakesOnlyWebAddressesAndDocuments_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    const QString readme = files_.filePath("readme.txt");
    const QString readmeUrl = QUrl::fromLocalFile(readme).toString();
    UrlRow("http", "http://www.example.com/a?b=c+d", "http://www.example.com/a?b=c+d");
    UrlRow("https, blanks around", "  https://example.com/x \r\n", "https://example.com/x");
    UrlRow("scheme in capitals", "HTTP://example.com/", "http://example.com/");
    UrlRow("local document", readme, readmeUrl);
    UrlRow("file address of a document", readmeUrl, readmeUrl);
    UrlRow("javascript", "javascript:alert(1)");
    UrlRow("file address of a program", "file:///bin/sh");
    UrlRow("path of a program", "/bin/sh");
    UrlRow("executable file", files_.filePath("tool"));
    UrlRow("desktop launcher", files_.filePath("start.desktop"));
    UrlRow("program by its extension", files_.filePath("setup.EXE"));
    UrlRow("folder", files_.filePath("folder"));
    UrlRow("missing file", files_.filePath("gone.txt"));
    UrlRow("relative path", "readme.txt");
    UrlRow("address without scheme", "www.example.com");
    UrlRow("web scheme without host", "http:///etc/passwd");
    UrlRow("ftp", "ftp://files.example/a.txt");
    UrlRow("mail", "mailto:someone@example.com");
    UrlRow("empty", "");
}

void WebLinksTest::OpenUrlTakesOnlyWebAddressesAndDocuments() {
    QFETCH(QString, address);
    QFETCH(QString, opened);
    TOpenedUrls urls;
    OpenURL(address);
    QCOMPARE(urls.urls, opened.isEmpty() ? QStringList() : QStringList{opened});
}

VARNEL_GUI_TEST_MAIN(WebLinksTest)
#include "WebLinksTest.moc"
