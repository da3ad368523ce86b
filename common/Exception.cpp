#include "common/Exception.h"

#include <charconv>
#include <string>

namespace varnel {

namespace {

bool IsNonZeroInteger(const std::string& text) {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last && value != 0;
}

} // namespace

EM::EM(const std::string& text) : Exception(MessageFor(text)) {}

EM::EM(TInternalError error) : EM(std::to_string(static_cast<int>(error))) {}

std::string EM::MessageFor(const std::string& text) {
    return IsNonZeroInteger(text) ? "internal error #" + text : text;
}

} // namespace varnel
