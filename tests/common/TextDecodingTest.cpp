#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace varnel {
namespace {

// The plain path, one byte at a time, that the word-at-a-time and
// memchr-driven readers must match byte for byte.
std::string PlainLineEnds(std::string_view text) {
    std::string out;
    bool lineOpen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            lineOpen = false;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
            lineOpen = true;
        }
    }
    return lineOpen ? out + "\r\n" : out;
}

std::string PlainDecode(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        size_t pos = 0;
        const std::string one(1, c);
        AppendUtf8(out, NextCodePoint(one, pos));
    }
    return out;
}

// Every byte, every line end next to high bytes and at eight-byte word
// boundaries, and a long pseudo-random mix.
std::vector<std::pair<std::string, std::string>> Samples() {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    std::string mix;
    uint32_t random = 7;
    const char pool[] = {'a', ' ', '\r', '\n', '\x80', '\x9F', '\xE9', '\xFF', '<', '\0'};
    for (int i = 0; i < 20000; ++i) {
        random = random * 1664525u + 1013904223u;
        mix += pool[(random >> 8) % sizeof pool];
    }
    return {{"empty", ""},
            {"no line end", "abc"},
            {"lone CRs", "a\rb\r\rc\r"},
            {"lone LFs", "\n\na\nb"},
            {"LF CR is two ends", "a\n\rb"},
            {"CR LF split at a word edge", "1234567\r\n89abcdef\r\n"},
            {"high byte before CR", "abcdefg\x80\r\xFF\n"},
            {"only high bytes", "\x80\x81\x8D\x9D\xA0\xFF"},
            {"every byte", everyByte},
            {"pseudo-random mix", mix}};
}

TEST(TextDecoding, ShortcutsMatchThePlainPath) {
    test::TempFolder folder;
    for (const auto& [name, bytes] : Samples()) {
        EXPECT_EQ(NormalizeLineEnds(bytes), PlainLineEnds(bytes)) << name;
        EXPECT_EQ(Windows1252ToUtf8(bytes), PlainDecode(bytes)) << name;
        test::WriteBytes(folder / "sample.txt", bytes);
        EXPECT_EQ(ReadTextFile(folder / "sample.txt"), PlainLineEnds(PlainDecode(bytes))) << name;
    }
}

TEST(TextDecoding, ShippedDataReadsAsThePlainPath) {
    const auto file = test::ShippedDataPath("Varnel.unt");
    const std::string bytes = test::ReadBytes(file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(ReadTextFile(file), PlainLineEnds(PlainDecode(bytes)));
}

} // namespace
} // namespace varnel
