#include "common/AbbrevList.h"

#include "common/TextFile.h"

#include <sstream>

namespace varnel {

namespace {

std::vector<Abbrev>& List() {
    static std::vector<Abbrev> list;
    return list;
}

int& Generation() {
    static int generation = 0;
    return generation;
}

} // namespace

const std::vector<Abbrev>& AbbrevList() {
    return List();
}

void SetAbbrevList(std::vector<Abbrev> list) {
    List() = std::move(list);
    ++Generation();
}

int AbbrevListGeneration() {
    return Generation();
}

std::vector<Abbrev> ParseAbbrevLines(const std::string& text) {
    std::vector<Abbrev> list;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        list.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    return list;
}

void LoadAbbrevList(const std::filesystem::path& file) {
    SetAbbrevList(ParseAbbrevLines(ReadTextFile(file)));
}

} // namespace varnel
