#pragma once

#include "engine/ExpressionForm.h"
#include "engine/ExpressionIndex.h"
#include "engine/NameTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnel {

// When the recogniser may pass over splits whose outcome is certain. Auto
// does so for long texts; the outcome is the same either way.
enum class TShortcuts : std::uint8_t { Auto, Always, Never };

// Decides whether a part of the prepared text passes a test, and how it
// splits. Every test keeps the compiler's rules to the letter; outcomes are
// remembered for the compilation, and the tests run on a stack of their own,
// so neither long texts nor deep nesting exhaust time or the call stack.
class TRecogniser {
public:
    // Starts a compilation. The text and tables must outlive its use.
    void Reset(std::string_view text, const TVariableTable& variables,
               const TFunctionTable& functions1, const TFunctionTable& functions2,
               TShortcuts shortcuts);

    TMatch Test(TForm form, int begin, int end);

    std::string_view Text() const { return text_; }
    const TExpressionIndex& Index() const { return index_; }
    // Tests run (not recalled) since Reset; for measuring.
    std::size_t TestsRun() const { return testsRun_; }

private:
    enum class TPhase : std::uint8_t {
        Start,
        Alternative,
        Inner,
        Left,
        Right,
        RightFirst,
        LeftAfterRight
    };

    struct TFrame {
        TFrame(TForm form, int begin, int end) : Form(form), Begin(begin), End(end) {}
        TForm Form;
        TPhase Phase = TPhase::Start;
        bool Called = false;
        bool Reordered = false;
        bool FromList = false;
        std::int32_t Begin;
        std::int32_t End;
        std::int32_t Next = 0; // next alternative, or where the search for candidates goes on
        std::int32_t Candidate = 0;
        std::int32_t LastCandidate = 0;
        std::int32_t CandidateDepth = 0;
        const std::vector<std::uint64_t>* Marks = nullptr;
        TMatch Held; // the first outcome of a candidate while the second test runs
    };

    struct TStep {
        bool Done;
        TForm Form;
        std::int32_t Begin;
        std::int32_t End;
        TMatch Match;
    };

    struct TMemoSlot {
        std::int32_t Begin;
        std::int32_t End;
        std::uint32_t Stamp;
        TForm Form;
        TMatch Match;
    };

    static TStep Done(const TMatch& match) { return {true, TForm::Number, 0, 0, match}; }
    static TStep Call(TForm form, int begin, int end) { return {false, form, begin, end, {}}; }

    TStep Resume(TFrame& frame, const TMatch* sub);
    TStep ResumeAlternatives(TFrame& frame, const TMatch* sub);
    TStep ResumeInner(TFrame& frame, const TMatch* sub);
    TStep ResumeScan(TFrame& frame, const TMatch* sub);
    TStep NextCandidate(TFrame& frame);
    void StartScan(TFrame& frame);
    bool FindCandidate(TFrame& frame);

    bool CertainlyFails(TForm form, int begin, int end) const;
    bool IsVariable(int begin, int end) const;
    bool IsFunctionName(const TFunctionTable& table, int begin, int end) const;
    TMatch NumberMatch(int begin, int end);
    TMatch ExponentMatch(int begin, int end);
    char At(int i) const { return text_[static_cast<std::size_t>(i)]; }

    void NoteRightFails(const TFrame& frame);
    int SkipFailingRights(const TFrame& frame, int from);
    TForm SkipKey(const TFrame& frame) const;

    const TMatch* Recall(TForm form, int begin, int end) const;
    TMatch* Recall(TForm form, int begin, int end);
    void Remember(TForm form, int begin, int end, const TMatch& match);
    std::size_t SlotOf(TForm form, int begin, int end) const;
    void GrowMemo();

    std::string_view text_;
    const TVariableTable* variables_ = nullptr;
    const TFunctionTable* functions1_ = nullptr;
    const TFunctionTable* functions2_ = nullptr;
    bool shortcuts_ = false;
    TExpressionIndex index_;
    std::vector<TFrame> frames_;
    std::vector<TMemoSlot> memo_;
    std::size_t memoCount_ = 0;
    std::uint32_t stamp_ = 0;
    std::size_t testsRun_ = 0;
};

} // namespace varnel
