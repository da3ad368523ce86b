#include "ui/log/LogFile.h"

#include "common/FileLocations.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "common/Windows1252.h"

#include <charconv>

namespace varnel {

namespace {

constexpr char Separator = '\t';

// A TAB or line end inside a cell would split the row when it is read back.
std::string OneLineCell(std::string_view cell) {
    std::string out(cell);
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return out;
}

TLogRow RowOfLine(std::string_view line) {
    TLogRow row;
    size_t column = 0;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find(Separator, start);
        const std::string_view field =
            line.substr(start, tab == line.npos ? line.npos : tab - start);
        // A reference to a TAB or line end reads as the blank it is written as.
        const std::string cell = OneLineCell(DecodeLogText(field));
        if (column < row.size())
            row[column++] = cell;
        else // fields beyond the last column stay with it
            row.back() += " " + cell;
        if (tab == line.npos)
            break;
        start = tab + 1;
    }
    return row;
}

// The code point of a reference "&#NNN;" at pos, with its length; 0 when
// there is none.
char32_t ReferenceAt(std::string_view text, size_t pos, size_t& length) {
    if (text.compare(pos, 2, "&#") != 0)
        return 0;
    const size_t end = text.find(';', pos + 2);
    if (end == text.npos || end == pos + 2 || end - pos > 10)
        return 0;
    unsigned long value = 0;
    const char* first = text.data() + pos + 2;
    const char* last = text.data() + end;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc() || stop != last || value == 0 || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    length = end - pos + 1;
    return static_cast<char32_t>(value);
}

} // namespace

std::filesystem::path LogFilePath() {
    return WritableFile(TWritableKind::Data, "ZureVave.log");
}

std::string EncodeLogText(std::string_view utf8) {
    const std::string escaped = ReplaceAll(utf8, "&#", "&#38;#");
    return Windows1252ToUtf8(Utf8ToWindows1252(escaped, Unencodable::CharacterReference));
}

std::string DecodeLogText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = 0;
        if (const char32_t cp = ReferenceAt(text, pos, length)) {
            AppendUtf8(out, cp);
            pos += length;
        } else {
            out += text[pos++];
        }
    }
    return out;
}

std::vector<TLogRow> ReadLogFile(const std::filesystem::path& file, std::size_t maxRows) {
    const std::string text = ReadTextFile(file, maxRows);
    std::vector<TLogRow> rows;
    size_t start = 0;
    while (start < text.size() && rows.size() < maxRows) {
        const size_t end = text.find("\r\n", start);
        rows.push_back(RowOfLine(std::string_view(text).substr(start, end - start)));
        start = end == text.npos ? text.size() : end + 2;
    }
    return rows;
}

void WriteLogFile(const std::vector<TLogRow>& rows, const std::filesystem::path& file) {
    std::string text;
    for (const TLogRow& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += Separator;
            text += EncodeLogText(OneLineCell(row[column]));
        }
        text += "\r\n";
    }
    WriteTextFile(text, file);
}

} // namespace varnel
