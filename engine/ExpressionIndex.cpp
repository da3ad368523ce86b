#include "engine/ExpressionIndex.h"

#include "common/NumberSyntax.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace varnel {

namespace {

constexpr std::size_t kKeepCapacity = 1 << 12;
constexpr int kRaisingNumbersLooked = 32;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// After these a part may begin, so a "+" or "-" there may be a sign.
bool OpensPart(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ',';
}

// How an operand that passes any test can end, and begin.
bool CanEndOperand(char c) {
    return IsLetter(c) || IsDigit(c) || c == '.' || c == ')';
}
bool CanBeginOperand(char c) {
    return IsLetter(c) || IsDigit(c) || c == '.' || c == '(' || c == '+' || c == '-';
}

bool WordAt(std::string_view text, int i) {
    if (i < 0 || static_cast<std::size_t>(i) + 3 > text.size())
        return false;
    std::string_view word = text.substr(static_cast<std::size_t>(i), 3);
    return word == "DIV" || word == "MOD";
}

bool EndsWord(std::string_view text, int i) {
    return WordAt(text, i - 3);
}

bool EndsNumberPart(std::string_view text, int i) {
    if (static_cast<std::size_t>(i) == text.size())
        return true;
    char c = text[static_cast<std::size_t>(i)];
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == ')' || c == ',' ||
           WordAt(text, i);
}

bool BeginsNumberPart(std::string_view text, int i) {
    return i == 0 || OpensPart(text[static_cast<std::size_t>(i - 1)]) || EndsWord(text, i);
}

// An exponent whose truncation to a 64-bit integer fails.
bool OutsideInt64(double value) {
    return !(value >= -0x1p63 && value < 0x1p63);
}

template <class T> void Refill(std::vector<T>& v, std::size_t size, const T& value) {
    if (v.capacity() > kKeepCapacity && size * 4 < v.capacity())
        std::vector<T>().swap(v);
    v.assign(size, value);
}

template <class T> void Empty(std::vector<T>& v) {
    if (v.capacity() > kKeepCapacity)
        std::vector<T>().swap(v);
    v.clear();
}

std::uint32_t PrefixBit(char c) {
    switch (c) {
    case '+':
        return 1u << static_cast<int>(TMark::Plus);
    case '-':
        return 1u << static_cast<int>(TMark::Minus);
    case '*':
        return 1u << static_cast<int>(TMark::Star);
    case '/':
        return 1u << static_cast<int>(TMark::Slash);
    case '^':
        return 1u << static_cast<int>(TMark::Caret);
    case ',':
        return 1u << static_cast<int>(TMark::Comma);
    default:
        return 0;
    }
}

constexpr std::uint32_t Bits(std::initializer_list<TMark> marks) {
    std::uint32_t bits = 0;
    for (TMark mark : marks)
        bits |= 1u << static_cast<int>(mark);
    return bits;
}

// The characters at whose right a test, without entering brackets, may cut a
// part that it then reads as a number: the operators its forms split at, and
// "-" where a negation may strip it.
std::uint32_t SplitsReaching(TForm form) {
    switch (form) {
    case TForm::SumLeft:
    case TForm::DifferenceLeft:
    case TForm::Difference:
    case TForm::DifferenceRight:
    case TForm::Product:
    case TForm::ProductRight:
        return Bits({TMark::Minus, TMark::Star, TMark::Slash, TMark::Caret, TMark::Word});
    case TForm::ProductLeft:
    case TForm::QuotientLeft:
    case TForm::Quotient:
    case TForm::IntQuotient:
    case TForm::Remainder:
        return Bits({TMark::Minus, TMark::Slash, TMark::Caret, TMark::Word});
    case TForm::QuotientRight:
    case TForm::Power:
    case TForm::Negation:
        return Bits({TMark::Caret});
    case TForm::PowerLeft:
    case TForm::PowerRight:
        return 0;
    default:
        return ~0u;
    }
}

} // namespace

void TExpressionIndex::Build(std::string_view text, bool withShortcuts) {
    text_ = text;
    length_ = static_cast<int>(text.size());
    const std::size_t n = text.size();
    Refill(depth_, n + 1, 0);
    for (std::size_t i = 0; i < n; ++i)
        depth_[i + 1] = depth_[i] + (text[i] == '(') - (text[i] == ')');
    Refill(nextOpen_, n + 1, length_);
    for (std::size_t i = n; i-- > 0;)
        nextOpen_[i] = text[i] == '(' ? static_cast<std::int32_t>(i) : nextOpen_[i + 1];

    shortcuts_ = withShortcuts;
    if (!shortcuts_) {
        for (auto& list : marks_)
            Empty(list);
        for (auto& list : liveMarks_)
            Empty(list);
        Empty(nextShallower_);
        Empty(raising_);
        Empty(firstRaisingEnd_);
        return;
    }
    BuildMarks(text);
    BuildEscapes();
    BuildRaisingNumbers(text);
}

void TExpressionIndex::BuildMarks(std::string_view text) {
    for (auto& list : marks_)
        Empty(list);
    for (auto& list : liveMarks_)
        Empty(list);
    auto note = [&](TMark mark, int i, int width) {
        const std::uint64_t key = Key(depth_[static_cast<std::size_t>(i)], i);
        marks_[static_cast<int>(mark)].push_back(key);
        const bool live = i > 0 && i + width < length_ &&
                          CanEndOperand(text[static_cast<std::size_t>(i - 1)]) &&
                          CanBeginOperand(text[static_cast<std::size_t>(i + width)]);
        if (live)
            liveMarks_[static_cast<int>(mark)].push_back(key);
    };
    for (int i = 0; i < length_; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        switch (c) {
        case '+':
        case '-': {
            note(c == '+' ? TMark::Plus : TMark::Minus, i, 1);
            const bool exponentSign = i > 0 && text[static_cast<std::size_t>(i - 1)] == 'E' &&
                                      i + 1 < length_ &&
                                      IsDigit(text[static_cast<std::size_t>(i + 1)]);
            const bool hard = i > 0 && !OpensPart(text[static_cast<std::size_t>(i - 1)]) &&
                              !EndsWord(text, i) && !exponentSign;
            if (hard)
                marks_[static_cast<int>(c == '+' ? TMark::HardPlus : TMark::HardMinus)].push_back(
                    Key(depth_[static_cast<std::size_t>(i)], i));
            break;
        }
        case '*':
            note(TMark::Star, i, 1);
            break;
        case '/':
            note(TMark::Slash, i, 1);
            break;
        case '^':
            note(TMark::Caret, i, 1);
            break;
        case ',':
            note(TMark::Comma, i, 1);
            break;
        case 'D':
        case 'M':
            if (WordAt(text, i)) {
                note(c == 'D' ? TMark::Div : TMark::Mod, i, 3);
                marks_[static_cast<int>(TMark::Word)].push_back(
                    Key(depth_[static_cast<std::size_t>(i)], i));
            }
            break;
        default:
            break;
        }
    }
    for (auto& list : marks_)
        std::sort(list.begin(), list.end());
    for (auto& list : liveMarks_)
        std::sort(list.begin(), list.end());
}

void TExpressionIndex::BuildEscapes() {
    const std::size_t n = static_cast<std::size_t>(length_);
    Refill(nextShallower_, n + 1, length_ + 1);
    std::vector<std::int32_t> stack;
    for (std::size_t i = n + 1; i-- > 0;) {
        while (!stack.empty() && depth_[static_cast<std::size_t>(stack.back())] >= depth_[i])
            stack.pop_back();
        nextShallower_[i] = stack.empty() ? length_ + 1 : stack.back();
        stack.push_back(static_cast<std::int32_t>(i));
    }
}

void TExpressionIndex::BuildRaisingNumbers(std::string_view text) {
    Empty(raising_);
    Empty(firstRaisingEnd_);
    for (int i = 0; i < length_; ++i)
        if (BeginsNumberPart(text, i))
            NoteNumberAt(text, i);
    if (raising_.empty())
        return;
    Refill(firstRaisingEnd_, static_cast<std::size_t>(length_) + 2, length_ + 1);
    std::size_t next = raising_.size();
    for (int i = length_; i >= 0; --i) {
        std::int32_t best = firstRaisingEnd_[static_cast<std::size_t>(i) + 1];
        while (next > 0 && raising_[next - 1].Begin >= i) {
            --next;
            best = std::min(best, raising_[next].End);
        }
        firstRaisingEnd_[static_cast<std::size_t>(i)] = best;
    }
}

// Notes every number beginning at `begin` and ending where a part may end
// that a read would refuse with a math error.
void TExpressionIndex::NoteNumberAt(std::string_view text, int begin) {
    auto at = [&](int i) { return i < length_ ? text[static_cast<std::size_t>(i)] : '\0'; };
    int i = begin;
    if (at(i) == '+' || at(i) == '-')
        ++i;
    const int afterSign = i;
    while (IsDigit(at(i)))
        ++i;
    if (at(i) == '.') {
        ++i;
        while (IsDigit(at(i)))
            ++i;
    }
    if (i == afterSign)
        return; // an empty mantissa reads as zero
    auto check = [&](int end) {
        if (!EndsNumberPart(text, end))
            return;
        double value = 0;
        const NumberRead read = ReadNumber(
            text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)),
            value);
        const bool raises =
            read == NumberRead::Overflow ||
            (read == NumberRead::Ok && begin > 0 &&
             text[static_cast<std::size_t>(begin - 1)] == '^' && OutsideInt64(value));
        if (raises)
            raising_.push_back({begin, end});
    };
    check(i);
    if (at(i) == 'E') {
        int j = i + 1;
        if (at(j) == '+' || at(j) == '-')
            ++j;
        int k = j;
        while (IsDigit(at(k)))
            ++k;
        if (k > j)
            check(k);
    }
}

int TExpressionIndex::EscapeIn(int begin, int end) const {
    const int next = nextShallower_[static_cast<std::size_t>(begin)];
    return next <= end ? next - 1 : -1;
}

const std::vector<std::uint64_t>& TExpressionIndex::Marks(TMark mark, bool liveOnly) const {
    return liveOnly ? liveMarks_[static_cast<int>(mark)] : marks_[static_cast<int>(mark)];
}

int TExpressionIndex::FirstMark(TMark mark, int depth, int from, int to) const {
    const auto& list = marks_[static_cast<int>(mark)];
    auto it = std::lower_bound(list.begin(), list.end(), Key(depth, from));
    if (it == list.end() || DepthOfKey(*it) != depth || PositionOfKey(*it) >= to)
        return -1;
    return PositionOfKey(*it);
}

int TExpressionIndex::LastMark(TMark mark, int depth, int from, int to) const {
    const auto& list = marks_[static_cast<int>(mark)];
    auto it = std::lower_bound(list.begin(), list.end(), Key(depth, to));
    if (it == list.begin())
        return -1;
    --it;
    if (DepthOfKey(*it) != depth || PositionOfKey(*it) < from)
        return -1;
    return PositionOfKey(*it);
}

bool TExpressionIndex::NothingRaisesIn(int begin, int end) const {
    return raising_.empty() || firstRaisingEnd_[static_cast<std::size_t>(begin)] > end;
}

bool TExpressionIndex::MayRaise(TForm form, int begin, int end) const {
    if (raising_.empty())
        return false;
    // Nothing after a ")" that leaves the text is ever read: every part
    // holding that bracket fails before a split beyond it is tried.
    const int escape = nextShallower_[static_cast<std::size_t>(begin)] - 1;
    auto it =
        std::lower_bound(raising_.begin(), raising_.end(), begin,
                         [](const TRaisingNumber& number, int b) { return number.Begin < b; });
    int looked = 0;
    for (; it != raising_.end() && it->Begin < end; ++it) {
        if (it->Begin > escape)
            return false;
        if (it->End > end)
            continue;
        if (++looked > kRaisingNumbersLooked)
            return true;
        if (ReachesNumberAt(form, begin, it->Begin))
            return true;
    }
    return false;
}

bool TExpressionIndex::ReachesNumberAt(TForm form, int begin, int numberBegin) const {
    if (numberBegin <= begin + 1)
        return true;
    if (Depth(numberBegin) != Depth(begin))
        return true; // inside brackets every form is tried again
    const char before = text_[static_cast<std::size_t>(numberBegin - 1)];
    std::uint32_t bit = PrefixBit(before);
    if (EndsWord(text_, numberBegin))
        bit |= 1u << static_cast<int>(TMark::Word);
    return (SplitsReaching(form) & bit) != 0;
}

} // namespace varnel
