#include "common/TextFile.h"

#include "common/Exception.h"
#include "common/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <system_error>

namespace varnel {

namespace {

void WriteBytes(const std::string& bytes, const std::filesystem::path& file) {
    // Write beside the file and rename, so that a failed write never leaves a
    // half-written file in place of a good one.
    std::filesystem::path temporary = file;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw Exception("Cannot create file \"" + file.string() + "\".");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Exception("Cannot write file \"" + file.string() + "\".");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw Exception("Cannot create file \"" + file.string() + "\".");
    }
}

// Appends the text with CR LF after every line, handing each line's text to
// appendLine. The next CR and the next LF are each searched for once, so
// that a text of one kind of line end is not scanned again for the other.
template <class AppendLine>
void AppendLines(std::string& out, std::string_view text, AppendLine appendLine) {
    const char* const begin = text.data();
    const size_t size = text.size();
    auto next = [begin, size](char c, size_t from) {
        const void* found = std::memchr(begin + from, c, size - from);
        return found != nullptr ? static_cast<size_t>(static_cast<const char*>(found) - begin)
                                : size;
    };
    size_t nextCr = next('\r', 0);
    size_t nextLf = next('\n', 0);
    size_t pos = 0;
    while (pos < size) {
        if (nextCr < pos)
            nextCr = next('\r', pos);
        if (nextLf < pos)
            nextLf = next('\n', pos);
        const size_t end = std::min(nextCr, nextLf);
        appendLine(out, text.substr(pos, end - pos));
        out += "\r\n";
        if (end == size)
            break;
        pos = end + ((end == nextCr && end + 1 == nextLf) ? 2 : 1);
    }
}

void AppendAsIs(std::string& out, std::string_view text) {
    out.append(text);
}

// The whole content of a file, or nullopt when it cannot be opened.
std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                       &std::fclose);
    if (!in)
        return std::nullopt;
    std::error_code ec;
    const uintmax_t expected = std::filesystem::file_size(file, ec);
    // One byte more than expected, so that a short read tells the end.
    std::string bytes(ec ? 65536 : static_cast<size_t>(expected) + 1, '\0');
    size_t used = 0;
    for (;;) {
        used += std::fread(bytes.data() + used, 1, bytes.size() - used, in.get());
        if (used < bytes.size())
            break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(used);
    return bytes;
}

} // namespace

std::string NormalizeLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    AppendLines(out, text, AppendAsIs);
    return out;
}

std::string ReadTextFile(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes)
        return {};
    // Decoding and line ends in one pass: neither touches what the other
    // looks at, so the order does not matter.
    std::string text;
    text.reserve(bytes->size() + bytes->size() / 8 + 2);
    AppendLines(text, *bytes, AppendWindows1252AsUtf8);
    return text;
}

void WriteTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::Refuse), file);
}

void WriteXmlTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::CharacterReference), file);
}

} // namespace varnel
