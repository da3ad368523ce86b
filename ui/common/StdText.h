#pragma once

#include <QString>

#include <string>

namespace varnel {

// The core speaks UTF-8 std::string, the windows QString: the one crossing.
inline QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

inline std::string StdText(const QString& text) {
    return text.toStdString();
}

} // namespace varnel
