#include "ui/about/WebLinks.h"
#include "common/MakerSite.h"
#include "ui/options/UnitOptions.h"
#include "uisupport/GuiTestSupport.h"

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

// Every address handed to the desktop while alive.
struct TOpenedUrls {
    TOpenedUrls() {
        previous = SetUrlOpener([this](const QUrl& url) { urls.append(url.toString()); });
    }
    ~TOpenedUrls() { SetUrlOpener(std::move(previous)); }

    QStringList urls;
    UrlOpener previous;
};

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
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(file.setPermissions(permissions));
}

} // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void SearchTermJoinsWordsWithPlus_data();
    void SearchTermJoinsWordsWithPlus();
    void SearchAddressFollowsTheOptions_data();
    void SearchAddressFollowsTheOptions();
    void WebSearchOpensOnlyWhatCanBeOpened_data();
    void WebSearchOpensOnlyWhatCanBeOpened();
    void OpenUrlTakesOnlyWebAddressesAndDocuments_data();
    void OpenUrlTakesOnlyWebAddressesAndDocuments();

private:
    QTemporaryDir files_;
};

void WebLinksTest::initTestCase() {
    QVERIFY(files_.isValid());
    WriteFile(files_.filePath("readme.txt"), false);
    WriteFile(files_.filePath("Read me (copy).htm"), false);
    WriteFile(files_.filePath("tool"), true);
    WriteFile(files_.filePath("notes.txt"), true);
    WriteFile(files_.filePath("start.desktop"), false);
    WriteFile(files_.filePath("setup.EXE"), false);
    QVERIFY(QDir(files_.path()).mkdir("folder"));
}

void WebLinksTest::SearchTermJoinsWordsWithPlus_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("term");
    QTest::newRow("brackets and blank") << "Force (mechanics)"
                                        << "Force++mechanics+";
    QTest::newRow("trimmed first") << "  nautical mile \t"
                                   << "nautical+mile";
    QTest::newRow("nothing else encoded") << "A&B=c/d?#"
                                          << "A&B=c/d?#";
    QTest::newRow("letters beyond ASCII kept") << "ångström (Å)"
                                               << "ångström++Å+";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void WebLinksTest::SearchTermJoinsWordsWithPlus() {
    QFETCH(QString, text);
    QFETCH(QString, term);
    QCOMPARE(SearchTerm(text), term);
}

void WebLinksTest::SearchAddressFollowsTheOptions_data() {
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("address");
    QTest::newRow("category with Google")
        << 1 << ""
        << "Force (mechanics)"
        << "" << MakerSearch("?cat=Force++mechanics+&search_eng=1");
    QTest::newRow("category and unit with Wikipedia")
        << 3 << ""
        << "Length"
        << "nautical mile" << MakerSearch("?cat=Length&unit=nautical+mile&search_eng=3");
    QTest::newRow("editor's unit search sends an empty cat")
        << 2 << ""
        << ""
        << "metre" << MakerSearch("?cat=&unit=metre&search_eng=2");
    QTest::newRow("no engine selected") << -1 << ""
                                        << "Time"
                                        << "" << MakerSearch("?cat=Time&search_eng=-1");
    QTest::newRow("a blank unit still counts as given")
        << 4 << ""
        << "Time"
        << " " << MakerSearch("?cat=Time&unit=&search_eng=4");
    QTest::newRow("custom engine, empty prefix") << 0 << ""
                                                 << "Force (mechanics)"
                                                 << ""
                                                 << "Force++mechanics+";
    QTest::newRow("custom engine searches the unit alone") << 0 << "https://find.example/?q="
                                                           << "Length"
                                                           << "mile"
                                                           << "https://find.example/?q=mile";
    QTest::newRow("custom prefix typed after the http:// label")
        << 0 << "www.find.example/s?q="
        << "Length"
        << ""
        << "http://www.find.example/s?q=Length";
    QTest::newRow("blanks only") << 1 << ""
                                 << "  "
                                 << "  "
                                 << "";
    QTest::newRow("nothing at all") << 0 << "https://find.example/?q="
                                    << ""
                                    << ""
                                    << "";
}

void WebLinksTest::SearchAddressFollowsTheOptions() {
    QFETCH(int, engine);
    QFETCH(QString, custom);
    QFETCH(QString, category);
    QFETCH(QString, unit);
    QFETCH(QString, address);
    TSearchOptions options(engine, custom);
    QCOMPARE(WebSearchAddress(category, unit), address);
    QCOMPARE(options.messages.Texts(), QStringList());
}

void WebLinksTest::WebSearchOpensOnlyWhatCanBeOpened_data() {
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("maker's page") << 1 << ""
                                  << "Force (mechanics)"
                                  << QStringList{
                                         MakerSearch("?cat=Force++mechanics+&search_eng=1")};
    QTest::newRow("custom web address") << 0 << "https://find.example/?q="
                                        << "Time" << QStringList{"https://find.example/?q=Time"};
    QTest::newRow("bare term of an empty custom prefix") << 0 << ""
                                                         << "Time" << QStringList();
    QTest::newRow("custom prefix of another scheme") << 0 << "javascript:alert('"
                                                     << "Time" << QStringList();
    QTest::newRow("blank category") << 1 << ""
                                    << " " << QStringList();
}

void WebLinksTest::WebSearchOpensOnlyWhatCanBeOpened() {
    QFETCH(int, engine);
    QFETCH(QString, custom);
    QFETCH(QString, category);
    QFETCH(QStringList, opened);
    TSearchOptions options(engine, custom);
    TOpenedUrls urls;
    WebSearch(category, QString());
    QCOMPARE(urls.urls, opened);
}

void WebLinksTest::OpenUrlTakesOnlyWebAddressesAndDocuments_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    const QString readme = files_.filePath("readme.txt");
    const QString spaced = files_.filePath("Read me (copy).htm");
    QTest::newRow("http") << "http://www.example.com/a?b=c+d"
                          << "http://www.example.com/a?b=c+d";
    QTest::newRow("https, blanks around") << "  https://example.com/x \r\n"
                                          << "https://example.com/x";
    QTest::newRow("scheme in capitals") << "HTTP://example.com/"
                                        << "http://example.com/";
    QTest::newRow("local document") << readme << QUrl::fromLocalFile(readme).toString();
    QTest::newRow("document with blanks") << spaced << QUrl::fromLocalFile(spaced).toString();
    QTest::newRow("file address of a document")
        << QUrl::fromLocalFile(readme).toString() << QUrl::fromLocalFile(readme).toString();
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
    QTest::newRow("data") << "data:text/html,<script>alert(1)</script>"
                          << "";
    QTest::newRow("file address of a program") << "file:///bin/sh"
                                               << "";
    QTest::newRow("path of a program") << "/bin/sh"
                                       << "";
    QTest::newRow("executable file") << files_.filePath("tool") << "";
    QTest::newRow("document marked executable") << files_.filePath("notes.txt") << "";
    QTest::newRow("desktop launcher") << files_.filePath("start.desktop") << "";
    QTest::newRow("program by its extension") << files_.filePath("setup.EXE") << "";
    QTest::newRow("folder") << files_.filePath("folder") << "";
    QTest::newRow("missing file") << files_.filePath("gone.txt") << "";
    QTest::newRow("relative path") << "readme.txt"
                                   << "";
    QTest::newRow("address without scheme") << "www.example.com"
                                            << "";
    QTest::newRow("web scheme without host") << "http:///etc/passwd"
                                             << "";
    QTest::newRow("ftp") << "ftp://files.example/a.txt"
                         << "";
    QTest::newRow("mail") << "mailto:someone@example.com"
                          << "";
    QTest::newRow("other scheme") << "ms-settings:privacy"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
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
