#include "ui/common/UserLocale.h"

#include <optional>

namespace varnel {

namespace {

std::optional<QLocale>& PinnedLocale() {
    static std::optional<QLocale> pinned;
    return pinned;
}

} // namespace

QLocale UserLocale() {
    return PinnedLocale().value_or(QLocale::system());
}

void SetUserLocale(const QLocale& locale) {
    PinnedLocale() = locale;
}

QString WithProgramDecimalPoint(const QString& typed) {
    if (UserLocale().decimalPoint() != QStringLiteral(","))
        return typed;
    qsizetype end = typed.indexOf('[');
    if (end < 0)
        end = typed.size();
    QString result = typed;
    for (qsizetype i = 0; i < end; ++i)
        if (result.at(i) == u',')
            result[i] = u'.';
    return result;
}

} // namespace varnel
