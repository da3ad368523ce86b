#include "common/TextFile.h"

#include "common/Exception.h"
#include "common/Windows1252.h"

#include <fstream>
#include <iterator>
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

} // namespace

std::string NormalizeLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    size_t i = 0;
    bool lineOpen = false;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            lineOpen = false;
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else {
            out += c;
            lineOpen = true;
            ++i;
        }
    }
    if (lineOpen)
        out += "\r\n";
    return out;
}

std::string ReadTextFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return NormalizeLineEnds(Windows1252ToUtf8(bytes));
}

void WriteTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::Refuse), file);
}

void WriteXmlTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::CharacterReference),
               file);
}

} // namespace varnel
