#pragma once

#include "engine/ExpressionForm.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnel {

// Characters the scans of the recogniser split at, and characters that no
// operand of some forms can hold outside brackets: a hard sign is a "+" or
// "-" that can be neither the sign of a number nor a negation.
enum class TMark : std::uint8_t {
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Div,
    Mod,
    Comma,
    HardPlus,
    HardMinus,
    Word, // "DIV" or "MOD"
};

constexpr int kMarkCount = static_cast<int>(TMark::Word) + 1;

// Facts about a prepared expression text. Bracket depths serve every
// compilation; the rest (mark positions by depth, closing brackets that
// leave a text, numbers that would raise) lets the recogniser pass over
// candidate splits whose outcome is certain, and is built for long texts.
class TExpressionIndex {
public:
    void Build(std::string_view text, bool withShortcuts);

    int Length() const { return length_; }
    bool HasShortcuts() const { return shortcuts_; }

    // Brackets open before position i (0..Length()).
    int Depth(int i) const { return depth_[static_cast<std::size_t>(i)]; }
    bool Balanced(int begin, int end) const { return Depth(begin) == Depth(end); }
    // The first "(" at or after `from`, or Length().
    int FirstOpenBracket(int from) const { return nextOpen_[static_cast<std::size_t>(from)]; }

    // The rest needs HasShortcuts().

    // The first ")" in [begin, end) that closes a bracket opened before begin, or -1.
    int EscapeIn(int begin, int end) const;

    // Sorted positions of a mark, keyed by depth first; liveOnly keeps the
    // splits whose parts could pass at all (the left part ends as an operand
    // can end, the right part begins as an operand can begin).
    const std::vector<std::uint64_t>& Marks(TMark mark, bool liveOnly) const;
    static std::uint64_t Key(int depth, int position) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(depth)) << 32) |
               static_cast<std::uint32_t>(position);
    }
    static int DepthOfKey(std::uint64_t key) { return static_cast<int>(key >> 32); }
    static int PositionOfKey(std::uint64_t key) { return static_cast<int>(key & 0xFFFFFFFFu); }

    // The first / last position in [from, to) with the mark at the depth, or -1.
    int FirstMark(TMark mark, int depth, int from, int to) const;
    int LastMark(TMark mark, int depth, int from, int to) const;

    // No number in [begin, end) would raise a math error when read.
    bool NothingRaisesIn(int begin, int end) const;
    // Whether running the test on [begin, end) could read a number that raises.
    // False only when no such number can be reached by the splits the test makes.
    bool MayRaise(TForm form, int begin, int end) const;

private:
    struct TRaisingNumber {
        std::int32_t Begin;
        std::int32_t End;
    };

    void BuildMarks(std::string_view text);
    void BuildEscapes();
    void BuildRaisingNumbers(std::string_view text);
    void NoteNumberAt(std::string_view text, int begin);
    bool ReachesNumberAt(TForm form, int begin, int numberBegin) const;

    std::string_view text_;
    int length_ = 0;
    bool shortcuts_ = false;
    std::vector<std::int32_t> depth_;
    std::vector<std::int32_t> nextOpen_;
    std::vector<std::int32_t> nextShallower_;
    std::array<std::vector<std::uint64_t>, kMarkCount> marks_;
    std::array<std::vector<std::uint64_t>, kMarkCount> liveMarks_;
    std::vector<TRaisingNumber> raising_;
    std::vector<std::int32_t> firstRaisingEnd_;
};

} // namespace varnel
