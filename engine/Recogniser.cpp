#include "engine/Recogniser.h"

#include "common/NumberSyntax.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>

namespace varnel {

namespace {

// Below this length plain scans are quicker than building the index.
constexpr int kShortcutLength = 48;
constexpr std::size_t kFirstMemoSize = 256;
constexpr std::size_t kKeptMemoSize = 1 << 12;
constexpr double kPi = 3.141592653589793;

// The alternatives of the tests that pass when one of their forms passes, in
// the order they are tried.
constexpr TForm kExpressionForms[] = {
    TForm::Number,    TForm::Variable,    TForm::Negation,  TForm::Sum,      TForm::Difference,
    TForm::Product,   TForm::IntQuotient, TForm::Remainder, TForm::Quotient, TForm::Power,
    TForm::Function2, TForm::Function1,   TForm::Bracket};
constexpr TForm kSumLeftForms[] = {TForm::Variable,    TForm::Number,    TForm::Bracket,
                                   TForm::Difference,  TForm::Negation,  TForm::Product,
                                   TForm::IntQuotient, TForm::Remainder, TForm::Quotient,
                                   TForm::Power,       TForm::Function1, TForm::Function2};
constexpr TForm kSumRightForms[] = {TForm::Variable,    TForm::Number,     TForm::Bracket,
                                    TForm::Sum,         TForm::Difference, TForm::Product,
                                    TForm::IntQuotient, TForm::Remainder,  TForm::Quotient,
                                    TForm::Power,       TForm::Function1,  TForm::Function2};
constexpr TForm kDifferenceRightForms[] = {
    TForm::Variable,  TForm::Number,   TForm::Bracket, TForm::Product,   TForm::IntQuotient,
    TForm::Remainder, TForm::Quotient, TForm::Power,   TForm::Function1, TForm::Function2};
constexpr TForm kProductLeftForms[] = {
    TForm::Variable,  TForm::Number,   TForm::Bracket, TForm::IntQuotient, TForm::Negation,
    TForm::Remainder, TForm::Quotient, TForm::Power,   TForm::Function1,   TForm::Function2};
constexpr TForm kProductRightForms[] = {
    TForm::Variable,  TForm::Number,   TForm::Bracket, TForm::Product,   TForm::IntQuotient,
    TForm::Remainder, TForm::Quotient, TForm::Power,   TForm::Function1, TForm::Function2};
constexpr TForm kQuotientRightForms[] = {TForm::Variable, TForm::Number,    TForm::Bracket,
                                         TForm::Power,    TForm::Function1, TForm::Function2};
constexpr TForm kPowerLeftForms[] = {TForm::Variable, TForm::Number, TForm::Bracket,
                                     TForm::Function2, TForm::Function1};
constexpr TForm kPowerRightForms[] = {TForm::Number, TForm::Variable, TForm::Bracket,
                                      TForm::Function2, TForm::Function1};
constexpr TForm kNegationOperandForms[] = {TForm::Bracket, TForm::Power, TForm::Variable,
                                           TForm::Function1, TForm::Function2};

std::span<const TForm> AlternativesOf(TForm form) {
    switch (form) {
    case TForm::Expression:
        return kExpressionForms;
    case TForm::SumLeft:
    case TForm::DifferenceLeft:
        return kSumLeftForms; // the same list for both
    case TForm::SumRight:
        return kSumRightForms;
    case TForm::DifferenceRight:
        return kDifferenceRightForms;
    case TForm::ProductLeft:
    case TForm::QuotientLeft:
        return kProductLeftForms;
    case TForm::ProductRight:
        return kProductRightForms;
    case TForm::QuotientRight:
        return kQuotientRightForms;
    case TForm::PowerLeft:
        return kPowerLeftForms;
    case TForm::PowerRight:
        return kPowerRightForms;
    case TForm::Negation:
        return kNegationOperandForms;
    default:
        return {};
    }
}

struct TScan {
    TMark Mark;
    std::string_view Operator;
    TForm Left;
    TForm Right;
    bool Balanced; // both parts must hold as many "(" as ")"
};

const TScan& ScanOf(TForm form) {
    static const TScan sum{TMark::Plus, "+", TForm::SumLeft, TForm::SumRight, true};
    static const TScan difference{TMark::Minus, "-", TForm::DifferenceLeft, TForm::DifferenceRight,
                                  true};
    static const TScan product{TMark::Star, "*", TForm::ProductLeft, TForm::ProductRight, true};
    static const TScan quotient{TMark::Slash, "/", TForm::QuotientLeft, TForm::QuotientRight, true};
    static const TScan power{TMark::Caret, "^", TForm::PowerLeft, TForm::PowerRight, true};
    static const TScan intQuotient{TMark::Div, "DIV", TForm::QuotientLeft, TForm::QuotientRight,
                                   true};
    static const TScan remainder{TMark::Mod, "MOD", TForm::QuotientLeft, TForm::QuotientRight,
                                 true};
    static const TScan argumentPair{TMark::Comma, ",", TForm::Expression, TForm::Expression, false};
    switch (form) {
    case TForm::Sum:
        return sum;
    case TForm::Difference:
        return difference;
    case TForm::Product:
        return product;
    case TForm::Quotient:
        return quotient;
    case TForm::Power:
        return power;
    case TForm::IntQuotient:
        return intQuotient;
    case TForm::Remainder:
        return remainder;
    default:
        return argumentPair;
    }
}

bool IsScan(TForm form) {
    switch (form) {
    case TForm::Sum:
    case TForm::Difference:
    case TForm::Product:
    case TForm::Quotient:
    case TForm::Power:
    case TForm::IntQuotient:
    case TForm::Remainder:
    case TForm::ArgumentPair:
        return true;
    default:
        return false;
    }
}

bool IsInner(TForm form) {
    return form == TForm::Bracket || form == TForm::Function1 || form == TForm::Function2;
}

// The marks that no text passing the operand test holds outside brackets:
// the operators of forms the test never reaches without entering brackets.
std::span<const TMark> BarriersOf(TForm operandTest) {
    static constexpr TMark plus[] = {TMark::HardPlus};
    static constexpr TMark signs[] = {TMark::HardPlus, TMark::HardMinus};
    static constexpr TMark product[] = {TMark::HardPlus, TMark::HardMinus, TMark::Star};
    static constexpr TMark quotient[] = {TMark::HardPlus, TMark::HardMinus, TMark::Star,
                                         TMark::Slash, TMark::Word};
    static constexpr TMark power[] = {TMark::HardPlus, TMark::HardMinus, TMark::Star,
                                      TMark::Slash,    TMark::Word,      TMark::Caret};
    switch (operandTest) {
    case TForm::SumLeft:
    case TForm::DifferenceLeft:
        return plus;
    case TForm::DifferenceRight:
    case TForm::ProductRight:
        return signs;
    case TForm::ProductLeft:
    case TForm::QuotientLeft:
        return product;
    case TForm::QuotientRight:
        return quotient;
    case TForm::PowerLeft:
    case TForm::PowerRight:
        return power;
    default:
        return {};
    }
}

TMatch Verdict(TVerdict verdict) {
    TMatch match;
    match.Verdict = verdict;
    return match;
}

TMatch Passed(int begin, int end) {
    TMatch match;
    match.Verdict = TVerdict::Yes;
    match.LeftBegin = begin;
    match.LeftEnd = end;
    return match;
}

// The kind of a power whose exponent is the number n. Truncating n to a
// 64-bit integer fails with an invalid operation when it is out of range.
TVerdict ExponentKind(double n, TOpKind& kind) {
    if (!(n >= -0x1p63 && n < 0x1p63))
        return TVerdict::InvalidOp;
    const auto truncated = static_cast<std::int64_t>(n);
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(truncated));
    if (n != static_cast<double>(low))
        kind = TOpKind::okPower;
    else if (low == 2)
        kind = TOpKind::okSquare;
    else if (low == 3)
        kind = TOpKind::okCube;
    else if (low == 4)
        kind = TOpKind::okFourth;
    else
        kind = TOpKind::okIntPower;
    return TVerdict::Yes;
}

std::uint64_t Mix(std::uint64_t x) {
    x ^= x >> 31;
    x *= 0x7fb5d329728ea185ULL;
    x ^= x >> 27;
    x *= 0x81dadef4bc2dd44dULL;
    x ^= x >> 33;
    return x;
}

} // namespace

void TRecogniser::Reset(std::string_view text, const TVariableTable& variables,
                        const TFunctionTable& functions1, const TFunctionTable& functions2,
                        TShortcuts shortcuts) {
    text_ = text;
    variables_ = &variables;
    functions1_ = &functions1;
    functions2_ = &functions2;
    const bool plainNames =
        variables.PlainNames() && functions1.PlainNames() && functions2.PlainNames();
    shortcuts_ = plainNames && (shortcuts == TShortcuts::Always ||
                                (shortcuts == TShortcuts::Auto &&
                                 text.size() >= static_cast<std::size_t>(kShortcutLength)));
    index_.Build(text, shortcuts_);
    testsRun_ = 0;
    if (frames_.capacity() > kKeptMemoSize)
        std::vector<TFrame>().swap(frames_);
    frames_.clear();
    if (memo_.size() > kKeptMemoSize || memo_.empty()) {
        memo_.assign(kFirstMemoSize, TMemoSlot{});
        stamp_ = 0;
    }
    memoCount_ = 0;
    if (++stamp_ == 0) {
        for (TMemoSlot& slot : memo_)
            slot.Stamp = 0;
        stamp_ = 1;
    }
}

TMatch TRecogniser::Test(TForm form, int begin, int end) {
    if (form == TForm::Variable)
        return IsVariable(begin, end) ? Passed(begin, end) : TMatch{};
    if (form == TForm::Number)
        return NumberMatch(begin, end);
    if (CertainlyFails(form, begin, end))
        return {};
    if (const TMatch* known = Recall(form, begin, end))
        return *known;

    frames_.clear();
    frames_.emplace_back(form, begin, end);
    TMatch result;
    bool hasResult = false;
    for (;;) {
        TFrame& frame = frames_.back();
        const TStep step = Resume(frame, hasResult ? &result : nullptr);
        if (step.Done) {
            if (frame.Called)
                Remember(frame.Form, frame.Begin, frame.End, step.Match);
            frames_.pop_back();
            result = step.Match;
            hasResult = true;
            if (frames_.empty())
                return result;
            continue;
        }
        hasResult = true;
        if (CertainlyFails(step.Form, step.Begin, step.End)) {
            result = TMatch{};
            continue;
        }
        if (const TMatch* known = Recall(step.Form, step.Begin, step.End)) {
            result = *known;
            continue;
        }
        frame.Called = true;
        ++testsRun_;
        frames_.emplace_back(step.Form, step.Begin, step.End);
        hasResult = false;
    }
}

TRecogniser::TStep TRecogniser::Resume(TFrame& frame, const TMatch* sub) {
    if (IsScan(frame.Form))
        return ResumeScan(frame, sub);
    if (IsInner(frame.Form))
        return ResumeInner(frame, sub);
    return ResumeAlternatives(frame, sub);
}

// Tests that pass when one of their alternatives passes. A part that passes
// as a Bracket becomes the bracket's inner text.
TRecogniser::TStep TRecogniser::ResumeAlternatives(TFrame& frame, const TMatch* sub) {
    const std::span<const TForm> alternatives = AlternativesOf(frame.Form);
    const bool negation = frame.Form == TForm::Negation;
    const int begin = negation ? frame.Begin + 1 : frame.Begin;
    if (frame.Phase == TPhase::Alternative && sub) {
        if (sub->Raises())
            return Done(Verdict(sub->Verdict));
        if (sub->Passed()) {
            const TForm passed = alternatives[static_cast<std::size_t>(frame.Next - 1)];
            TMatch match = passed == TForm::Bracket ? Passed(sub->LeftBegin, sub->LeftEnd)
                                                    : Passed(begin, frame.End);
            match.Kind = TOpKind::okPower;
            return Done(match);
        }
    }
    while (frame.Next < static_cast<int>(alternatives.size())) {
        const TForm alternative = alternatives[static_cast<std::size_t>(frame.Next++)];
        if (alternative == TForm::Variable) {
            if (IsVariable(begin, frame.End)) {
                TMatch match = Passed(begin, frame.End);
                match.Kind = TOpKind::okPower; // an exponent that is a variable
                return Done(match);
            }
        } else if (alternative == TForm::Number) {
            const TMatch number = frame.Form == TForm::PowerRight ? ExponentMatch(begin, frame.End)
                                                                  : NumberMatch(begin, frame.End);
            if (number.Verdict != TVerdict::No)
                return Done(number);
        } else {
            frame.Phase = TPhase::Alternative;
            return Call(alternative, begin, frame.End);
        }
    }
    return Done({});
}

// Bracket, Function1 and Function2: a shape test, then one test of the text
// inside the brackets.
TRecogniser::TStep TRecogniser::ResumeInner(TFrame& frame, const TMatch* sub) {
    if (frame.Phase == TPhase::Start) {
        frame.Phase = TPhase::Inner;
        const int open = index_.FirstOpenBracket(frame.Begin);
        switch (frame.Form) {
        case TForm::Bracket:
            return Call(TForm::Expression, frame.Begin + 1, frame.End - 1);
        case TForm::Function1:
            return Call(TForm::Bracket, open, frame.End);
        default:
            return Call(TForm::ArgumentPair, open + 1, frame.End - 1);
        }
    }
    if (!sub || !sub->Passed())
        return Done(sub ? Verdict(sub->Verdict) : TMatch{});
    TMatch match = Passed(sub->LeftBegin, sub->LeftEnd);
    if (frame.Form == TForm::Function2) {
        match.RightBegin = sub->RightBegin;
        match.RightEnd = sub->RightEnd;
    }
    return Done(match);
}

// The binary forms and ArgumentPair: try the splits at the operator from the
// left; the first split whose parts pass decides.
TRecogniser::TStep TRecogniser::ResumeScan(TFrame& frame, const TMatch* sub) {
    const TScan& scan = ScanOf(frame.Form);
    const int width = static_cast<int>(scan.Operator.size());
    switch (frame.Phase) {
    case TPhase::Start:
        StartScan(frame);
        break;
    case TPhase::Left:
        if (sub->Raises())
            return Done(Verdict(sub->Verdict));
        if (sub->Passed()) {
            frame.Held = *sub;
            frame.Phase = TPhase::Right;
            return Call(scan.Right, frame.Candidate + width, frame.End);
        }
        break;
    case TPhase::Right:
        if (sub->Raises())
            return Done(Verdict(sub->Verdict));
        if (!sub->Passed())
            NoteRightFails(frame);
        if (sub->Passed()) {
            TMatch match = Passed(frame.Held.LeftBegin, frame.Held.LeftEnd);
            match.RightBegin = sub->LeftBegin;
            match.RightEnd = sub->LeftEnd;
            match.Kind = sub->Kind;
            return Done(match);
        }
        break;
    case TPhase::RightFirst:
        // The left part cannot raise, so a failing right part settles the split.
        if (sub->Verdict == TVerdict::No) {
            NoteRightFails(frame);
            break;
        }
        frame.Held = *sub;
        frame.Phase = TPhase::LeftAfterRight;
        return Call(scan.Left, frame.Begin, frame.Candidate);
    case TPhase::LeftAfterRight:
        if (sub->Raises())
            return Done(Verdict(sub->Verdict));
        if (sub->Passed()) {
            if (frame.Held.Raises())
                return Done(Verdict(frame.Held.Verdict));
            TMatch match = Passed(sub->LeftBegin, sub->LeftEnd);
            match.RightBegin = frame.Held.LeftBegin;
            match.RightEnd = frame.Held.LeftEnd;
            match.Kind = frame.Held.Kind;
            return Done(match);
        }
        break;
    default:
        break;
    }
    return NextCandidate(frame);
}

TRecogniser::TStep TRecogniser::NextCandidate(TFrame& frame) {
    if (!FindCandidate(frame))
        return Done({});
    const TScan& scan = ScanOf(frame.Form);
    const int width = static_cast<int>(scan.Operator.size());
    frame.Reordered = shortcuts_ && !index_.MayRaise(scan.Left, frame.Begin, frame.Candidate);
    if (frame.Reordered) {
        frame.Phase = TPhase::RightFirst;
        return Call(scan.Right, frame.Candidate + width, frame.End);
    }
    frame.Phase = TPhase::Left;
    return Call(scan.Left, frame.Begin, frame.Candidate);
}

// Chooses the candidate splits. Plainly: every occurrence of the operator
// after the first position whose parts are balanced, up to the one before the
// last position. With the index, splits whose outcome is certain and cannot
// raise are passed over: splits beyond a mark the left operand cannot hold,
// splits before a mark the right operand cannot hold, and splits whose parts
// cannot end or begin as an operand does.
void TRecogniser::StartScan(TFrame& frame) {
    const TScan& scan = ScanOf(frame.Form);
    const int width = static_cast<int>(scan.Operator.size());
    const int depth = index_.Depth(frame.Begin);
    int first = frame.Begin + 1;
    int last = frame.End - width - (width == 1 ? 1 : 0);
    frame.CandidateDepth = depth;
    frame.FromList = false;
    if (shortcuts_) {
        const bool liveOnly = index_.NothingRaisesIn(frame.Begin, frame.End);
        if (scan.Balanced) {
            int barrier = INT_MAX;
            int lastAllowed = INT_MAX;
            for (TMark mark : BarriersOf(scan.Left)) {
                const int at = index_.FirstMark(mark, depth, frame.Begin + 1, frame.End);
                if (at >= 0 && at < barrier) {
                    barrier = at;
                    lastAllowed = mark == TMark::Word ? at + 2 : at;
                }
            }
            if (lastAllowed < last && !index_.MayRaise(scan.Left, frame.Begin, barrier))
                last = lastAllowed;
            int rightBarrier = -1;
            for (TMark mark : BarriersOf(scan.Right)) {
                const int to = mark == TMark::Word ? frame.End - 2 : frame.End;
                rightBarrier =
                    std::max(rightBarrier, index_.LastMark(mark, depth, frame.Begin + 1, to));
            }
            if (rightBarrier - width > first && index_.NothingRaisesIn(frame.Begin, rightBarrier))
                first = rightBarrier - width;
            frame.FromList = true;
        } else {
            frame.FromList = liveOnly;
        }
        if (frame.FromList) {
            frame.Marks = &index_.Marks(scan.Mark, liveOnly);
            frame.Next = static_cast<int>(std::lower_bound(frame.Marks->begin(), frame.Marks->end(),
                                                           TExpressionIndex::Key(depth, first)) -
                                          frame.Marks->begin());
        }
    }
    if (!frame.FromList)
        frame.Next = first;
    frame.LastCandidate = last;
}

bool TRecogniser::FindCandidate(TFrame& frame) {
    if (frame.FromList) {
        const auto& marks = *frame.Marks;
        // Splits whose right part is known to fail need no test when their
        // left part cannot raise.
        if (index_.NothingRaisesIn(frame.Begin, frame.End))
            frame.Next = SkipFailingRights(frame, frame.Next);
        if (frame.Next >= static_cast<int>(marks.size()))
            return false;
        const std::uint64_t key = marks[static_cast<std::size_t>(frame.Next)];
        const int position = TExpressionIndex::PositionOfKey(key);
        if (TExpressionIndex::DepthOfKey(key) != frame.CandidateDepth ||
            position > frame.LastCandidate)
            return false;
        ++frame.Next;
        frame.Candidate = position;
        return true;
    }
    const TScan& scan = ScanOf(frame.Form);
    for (int i = frame.Next; i <= frame.LastCandidate; ++i) {
        if (text_.compare(static_cast<std::size_t>(i), scan.Operator.size(), scan.Operator) != 0)
            continue;
        if (scan.Balanced && index_.Depth(i) != frame.CandidateDepth)
            continue;
        frame.Next = i + 1;
        frame.Candidate = i;
        return true;
    }
    frame.Next = frame.LastCandidate + 1;
    return false;
}

// Outcomes known without running the test: an empty text, a wrong shape,
// unbalanced parts, or (with the index) a ")" that closes a bracket opened
// before the text, which no passing text holds.
bool TRecogniser::CertainlyFails(TForm form, int begin, int end) const {
    if (begin >= end)
        return true;
    switch (form) {
    case TForm::Bracket:
        if (end - begin < 2 || At(begin) != '(' || At(end - 1) != ')')
            return true;
        break;
    case TForm::Negation:
        if (end - begin < 2 || At(begin) != '-')
            return true;
        break;
    case TForm::Function1:
    case TForm::Function2: {
        const int open = index_.FirstOpenBracket(begin);
        if (open >= end || open == begin || At(end - 1) != ')')
            return true;
        if (!IsFunctionName(form == TForm::Function1 ? *functions1_ : *functions2_, begin, open))
            return true;
        break;
    }
    case TForm::Sum:
    case TForm::Difference:
    case TForm::Product:
    case TForm::Quotient:
    case TForm::Power:
    case TForm::ArgumentPair: {
        const TScan& scan = ScanOf(form);
        if (At(begin) == scan.Operator[0])
            return true;
        if (scan.Balanced && !index_.Balanced(begin, end))
            return true;
        break;
    }
    case TForm::IntQuotient:
    case TForm::Remainder:
        if (!index_.Balanced(begin, end))
            return true;
        break;
    default:
        break;
    }
    if (shortcuts_) {
        const int escape = index_.EscapeIn(begin, end);
        if (escape >= 0 && !index_.MayRaise(form, begin, escape))
            return true;
    }
    return false;
}

bool TRecogniser::IsVariable(int begin, int end) const {
    return begin < end && variables_->Contains(text_.substr(static_cast<std::size_t>(begin),
                                                            static_cast<std::size_t>(end - begin)));
}

bool TRecogniser::IsFunctionName(const TFunctionTable& table, int begin, int end) const {
    return table.Contains(
        text_.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

TMatch TRecogniser::NumberMatch(int begin, int end) {
    if (begin >= end)
        return {};
    const char c = At(begin);
    const bool mayBeNumber =
        (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'P';
    if (!mayBeNumber)
        return {};
    if (const TMatch* known = Recall(TForm::Number, begin, end))
        return *known;
    const std::string_view text =
        text_.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
    TMatch match = Passed(begin, end);
    if (text == "PI") {
        match.Value = kPi;
    } else if (text == "-PI") {
        match.Value = -kPi;
    } else {
        switch (ReadNumber(text, match.Value)) {
        case NumberRead::Ok:
            break;
        case NumberRead::Overflow:
            match = Verdict(TVerdict::Overflow);
            break;
        case NumberRead::NotANumber:
            match = TMatch{};
            break;
        }
    }
    Remember(TForm::Number, begin, end, match);
    return match;
}

// A number as the right part of a power: its value decides the kind.
TMatch TRecogniser::ExponentMatch(int begin, int end) {
    TMatch match = NumberMatch(begin, end);
    if (!match.Passed())
        return match;
    const TVerdict verdict = ExponentKind(match.Value, match.Kind);
    if (verdict != TVerdict::Yes)
        return Verdict(verdict);
    return match;
}

// Splits of the same operator that end at the same place share their right
// parts. Each split whose right part failed links to the next split in the
// list; a chain of such links is followed, and shortened, in one go.
TForm TRecogniser::SkipKey(const TFrame& frame) const {
    const TScan& scan = ScanOf(frame.Form);
    const bool live = frame.Marks == &index_.Marks(scan.Mark, true);
    return static_cast<TForm>(kFormCount + 2 * static_cast<int>(frame.Form) + (live ? 1 : 0));
}

void TRecogniser::NoteRightFails(const TFrame& frame) {
    if (!frame.FromList)
        return;
    TMatch link;
    link.LeftBegin = frame.Next;
    Remember(SkipKey(frame), frame.Next - 1, frame.End, link);
}

int TRecogniser::SkipFailingRights(const TFrame& frame, int from) {
    const TForm key = SkipKey(frame);
    int to = from;
    while (const TMatch* link = Recall(key, to, frame.End))
        to = link->LeftBegin;
    for (int at = from; at != to;) {
        TMatch* link = Recall(key, at, frame.End);
        at = link->LeftBegin;
        link->LeftBegin = to;
    }
    return to;
}

std::size_t TRecogniser::SlotOf(TForm form, int begin, int end) const {
    const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(begin)) << 32 |
                               static_cast<std::uint32_t>(end)) ^
                              (static_cast<std::uint64_t>(form) * 0x9E3779B97F4A7C15ULL);
    return static_cast<std::size_t>(Mix(key)) & (memo_.size() - 1);
}

const TMatch* TRecogniser::Recall(TForm form, int begin, int end) const {
    for (std::size_t slot = SlotOf(form, begin, end);; slot = (slot + 1) & (memo_.size() - 1)) {
        const TMemoSlot& entry = memo_[slot];
        if (entry.Stamp != stamp_)
            return nullptr;
        if (entry.Begin == begin && entry.End == end && entry.Form == form)
            return &entry.Match;
    }
}

TMatch* TRecogniser::Recall(TForm form, int begin, int end) {
    return const_cast<TMatch*>(static_cast<const TRecogniser*>(this)->Recall(form, begin, end));
}

void TRecogniser::Remember(TForm form, int begin, int end, const TMatch& match) {
    if ((memoCount_ + 1) * 10 > memo_.size() * 7)
        GrowMemo();
    std::size_t slot = SlotOf(form, begin, end);
    while (memo_[slot].Stamp == stamp_) {
        if (memo_[slot].Begin == begin && memo_[slot].End == end && memo_[slot].Form == form)
            return;
        slot = (slot + 1) & (memo_.size() - 1);
    }
    memo_[slot] = TMemoSlot{begin, end, stamp_, form, match};
    ++memoCount_;
}

void TRecogniser::GrowMemo() {
    std::vector<TMemoSlot> old;
    old.swap(memo_);
    memo_.assign(old.size() * 2, TMemoSlot{});
    const std::uint32_t stamp = stamp_;
    for (const TMemoSlot& entry : old) {
        if (entry.Stamp != stamp)
            continue;
        std::size_t slot = SlotOf(entry.Form, entry.Begin, entry.End);
        while (memo_[slot].Stamp == stamp)
            slot = (slot + 1) & (memo_.size() - 1);
        memo_[slot] = entry;
    }
}

} // namespace varnel
