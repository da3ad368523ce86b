#include "common/Windows1252.h"

#include "common/Exception.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace varnel {

namespace {

// Code points of bytes 0x80..0x9F; the five undefined bytes map to the C1
// control of the same value so that every byte survives a round trip.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

// The UTF-8 form of every byte from 0x80 on, worked out once.
struct TUtf8Form {
    char Bytes[3] = {};
    uint8_t Length = 0;
};

constexpr TUtf8Form Utf8FormOf(char32_t cp) {
    TUtf8Form form;
    if (cp < 0x800) {
        form.Bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
        form.Bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
        form.Length = 2;
    } else {
        form.Bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
        form.Bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        form.Bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
        form.Length = 3;
    }
    return form;
}

constexpr std::array<TUtf8Form, 128> HighByteForms = [] {
    std::array<TUtf8Form, 128> forms{};
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte)
        forms[byte - 0x80] =
            Utf8FormOf(byte <= 0x9F ? HighControls[byte - 0x80] : static_cast<char32_t>(byte));
    return forms;
}();

// Length of the leading run of bytes below 0x80, eight bytes at a time.
size_t AsciiRunLength(const char* bytes, size_t size) {
    constexpr uint64_t HighBits = 0x8080808080808080ULL;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, bytes + i, 8);
        if ((word & HighBits) != 0)
            break;
    }
    while (i < size && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string CodePointName(char32_t cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

} // namespace

char32_t NextCodePoint(std::string_view utf8, size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    }
    if (length == 0 || pos + length > utf8.size()) {
        ++pos;
        return ByteToCodePoint(lead);
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return ByteToCodePoint(lead);
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t run = AsciiRunLength(bytes.data() + i, bytes.size() - i);
        out.append(bytes.data() + i, run);
        i += run;
        if (i < bytes.size()) {
            const TUtf8Form& form = HighByteForms[static_cast<unsigned char>(bytes[i]) - 0x80];
            out.append(form.Bytes, form.Length);
            ++i;
        }
    }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendWindows1252AsUtf8(out, bytes);
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, Unencodable policy) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = NextCodePoint(utf8, pos);
        int byte = CodePointToByte(cp);
        if (byte >= 0) {
            out += static_cast<char>(byte);
        } else if (policy == Unencodable::CharacterReference) {
            out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
        } else {
            throw Exception("The character " + CodePointName(cp) +
                            " cannot be written in the Windows-1252 code page.");
        }
    }
    return out;
}

} // namespace varnel
