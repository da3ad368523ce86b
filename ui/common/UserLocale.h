#pragma once

#include <QLocale>
#include <QString>

namespace varnel {

// The desktop's locale, for what the user types: the program itself reads
// and writes numbers with ".", whatever the locale.
QLocale UserLocale();
// Tests pin the user's locale here.
void SetUserLocale(const QLocale& locale);

// A value typed with the user's decimal comma, written with the program's
// point; unchanged where the locale's decimal separator is not a comma.
// Only the part before "[" is touched.
QString WithProgramDecimalPoint(const QString& typed);

} // namespace varnel
