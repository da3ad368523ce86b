#include "ui/valueline/UnitSymbols.h"

#include <QSet>

namespace varnel {

namespace {

QSet<QString>& Symbols() {
    static QSet<QString> symbols;
    return symbols;
}

} // namespace

void SetUnitSymbols(const std::vector<std::string>& symbols) {
    Symbols().clear();
    Symbols().reserve(static_cast<qsizetype>(symbols.size()));
    for (const std::string& symbol : symbols)
        Symbols().insert(QString::fromStdString(symbol).toCaseFolded());
}

int UnitSymbolCount() {
    return static_cast<int>(Symbols().size());
}

bool IsUnitSymbol(const QString& word) {
    return Symbols().contains(word.toCaseFolded());
}

} // namespace varnel
