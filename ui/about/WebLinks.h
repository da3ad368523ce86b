#pragma once

#include <QString>

#include <functional>

class QUrl;

namespace varnel {

// The text of a category or unit name as a search term: trimmed, with every
// blank, "(" and ")" turned into "+".
QString SearchTerm(const QString& text);

// The address a web search for a category and a unit (either may be empty)
// opens with the current options; empty when both names are blank.
QString WebSearchAddress(const QString& category, const QString& unit);
void WebSearch(const QString& category, const QString& unit);

// Opens a web address (http or https) or an existing local file that is not a
// program, with the desktop's handler. Anything else is refused silently:
// addresses come from data files and downloaded descriptions.
void OpenURL(const QString& address);

// What finally opens an address that passed the checks. Returns the opener it
// replaces; an empty function restores the desktop's handler.
using UrlOpener = std::function<void(const QUrl& url)>;
UrlOpener SetUrlOpener(UrlOpener opener);

} // namespace varnel
