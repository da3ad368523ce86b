#pragma once

#include "engine/ParserOp.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnel {

// A sorted table of names, each bound to a value (a variable's cell or a
// function's routine). Names are kept in capitals and looked up without
// regard to case.
template <class T> class TNameTable {
public:
    // False, and the table unchanged, when the name is there already or empty.
    bool Add(std::string_view name, T value) {
        std::string key = Capitals(name);
        if (key.empty())
            return false;
        auto at = std::lower_bound(
            entries_.begin(), entries_.end(), key,
            [](const Entry& entry, const std::string& k) { return entry.first < k; });
        if (at != entries_.end() && at->first == key)
            return false;
        plain_ = plain_ && IsPlainName(key);
        longest_ = std::max(longest_, key.size());
        entries_.insert(at, Entry(std::move(key), value));
        return true;
    }

    const T* Find(std::string_view name) const {
        if (name.empty() || name.size() > longest_)
            return nullptr;
        std::size_t low = 0;
        std::size_t high = entries_.size();
        while (low < high) {
            std::size_t middle = (low + high) / 2;
            int order = CompareCapitals(entries_[middle].first, name);
            if (order == 0)
                return &entries_[middle].second;
            if (order < 0)
                low = middle + 1;
            else
                high = middle;
        }
        return nullptr;
    }

    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    std::size_t Count() const { return entries_.size(); }
    const std::string& Name(std::size_t index) const { return entries_[index].first; }

    // True when every name is made of letters and digits and holds neither
    // "DIV" nor "MOD": such names never hide an operator.
    bool PlainNames() const { return plain_; }

private:
    using Entry = std::pair<std::string, T>;

    static char Capital(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

    static std::string Capitals(std::string_view name) {
        std::string result(name);
        for (char& c : result)
            c = Capital(c);
        return result;
    }

    static int CompareCapitals(const std::string& stored, std::string_view name) {
        std::size_t common = std::min(stored.size(), name.size());
        for (std::size_t i = 0; i < common; ++i) {
            unsigned char a = static_cast<unsigned char>(stored[i]);
            unsigned char b = static_cast<unsigned char>(Capital(name[i]));
            if (a != b)
                return a < b ? -1 : 1;
        }
        if (stored.size() == name.size())
            return 0;
        return stored.size() < name.size() ? -1 : 1;
    }

    static bool IsPlainName(const std::string& name) {
        for (char c : name)
            if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
                return false;
        return name.find("DIV") == std::string::npos && name.find("MOD") == std::string::npos;
    }

    std::vector<Entry> entries_;
    std::size_t longest_ = 0;
    bool plain_ = true;
};

using TVariableTable = TNameTable<double*>;
using TFunctionTable = TNameTable<TParserRoutine>;

} // namespace varnel
