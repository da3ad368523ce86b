#include "ui/about/WebLinks.h"

#include "common/MakerSite.h"
#include "common/TextUtil.h"
#include "ui/options/Options.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace varnel {

namespace {

// Files the desktop would run rather than show.
const QStringList ProgramExtensions = {"exe", "com", "bat", "cmd", "scr",    "msi", "pif",
                                       "lnk", "vbs", "vbe", "js",  "jse",    "wsf", "wsh",
                                       "ps1", "hta", "jar", "sh",  "desktop"};

UrlOpener& CurrentOpener() {
    static UrlOpener opener;
    return opener;
}

QString MakerSearchPage() {
    return QString::fromUtf8(MakerSite::Host.data(), MakerSite::Host.size()) +
           QString::fromUtf8(MakerSite::SearchPath.data(), MakerSite::SearchPath.size());
}

// The options show "http://" before the custom address: a prefix typed
// without a scheme means a web address. A colon before digits is a port.
QString CustomSearchPrefix(const std::string& prefix) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]*:(?![0-9])");
    const QString text = QString::fromStdString(prefix);
    if (IsBlank(prefix) || scheme.match(text).hasMatch())
        return text;
    return "http://" + text;
}

bool IsWebUrl(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty();
}

std::optional<QUrl> LocalDocument(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.isExecutable() ||
        ProgramExtensions.contains(info.suffix(), Qt::CaseInsensitive))
        return std::nullopt;
    return QUrl::fromLocalFile(info.absoluteFilePath());
}

std::optional<QUrl> OpenableUrl(const QString& address) {
    if (address.isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(address) && !address.contains("://"))
        return LocalDocument(address);
    const QUrl url(address, QUrl::TolerantMode);
    if (IsWebUrl(url))
        return url;
    if (url.isValid() && url.isLocalFile())
        return LocalDocument(url.toLocalFile());
    return std::nullopt;
}

} // namespace

QString SearchTerm(const QString& text) {
    QString term = QString::fromStdString(Trim(text.toStdString()));
    for (QChar& c : term)
        if (c == ' ' || c == '(' || c == ')')
            c = '+';
    return term;
}

QString WebSearchAddress(const QString& category, const QString& unit) {
    const QString c = SearchTerm(category);
    const QString u = SearchTerm(unit);
    if (c.isEmpty() && u.isEmpty())
        return {};
    const TUOpts options = GetOptions();
    const bool unitGiven = !unit.isEmpty();
    if (options.SearchEngine == 0)
        return CustomSearchPrefix(options.CustomSearchEngine) + (unitGiven ? u : c);
    QString address = MakerSearchPage() + "?cat=" + c;
    if (unitGiven)
        address += "&unit=" + u;
    return address + "&search_eng=" + QString::number(options.SearchEngine);
}

void WebSearch(const QString& category, const QString& unit) {
    const QString address = WebSearchAddress(category, unit);
    if (!address.isEmpty())
        OpenURL(address);
}

void OpenURL(const QString& address) {
    const std::optional<QUrl> url = OpenableUrl(address.trimmed());
    if (!url)
        return;
    if (CurrentOpener())
        CurrentOpener()(*url);
    else
        QDesktopServices::openUrl(*url);
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener previous = std::move(CurrentOpener());
    CurrentOpener() = std::move(opener);
    return previous;
}

} // namespace varnel
