#pragma once

#include "engine/NameTable.h"
#include "engine/OpList.h"
#include "engine/Recogniser.h"

#include <array>
#include <string>
#include <vector>

namespace varnel {

// Walks the tree of terms of a recognised expression, files one operation
// per operator term in a table of nesting levels, and links the program
// from the deepest level up.
class TProgramBuilder {
public:
    static constexpr int kLevels = 21; // 0 to 20
    static constexpr int kSlotsPerLevel = 50;

    // Builds the program of the text [begin, end) of the recogniser's text.
    TOpList Build(TRecogniser& recogniser, const TVariableTable& variables,
                  const TFunctionTable& functions1, const TFunctionTable& functions2, int begin,
                  int end);

private:
    // A part of the prepared text; the single blank before anything is written.
    struct TPart {
        std::int32_t Begin = -1;
        std::int32_t End = -1;
        bool IsBlank() const { return Begin < 0; }
    };

    struct TTerm {
        TPart Text;
        TPart Left;
        TPart Right;
        TOpKind Kind = TOpKind::okVariable;
        int Level = 0;
        int Position = 1;
        int Side = 1;
        bool HasLeftChild = false;
        bool HasRightChild = false;
        TParserRoutine Routine = nullptr;
        double* Variable = nullptr;
        double Value = 0;
    };

    // A cell an operation reads or writes: a variable's or one of the program's.
    struct TCellRef {
        double* Variable = nullptr;
        int Cell = -1;
    };

    struct TBuildOp {
        TOpKind Kind = TOpKind::okVariable;
        TParserRoutine Routine = nullptr;
        TCellRef Operand1;
        TCellRef Operand2;
        int Result = -1;
    };

    void Classify(TTerm& term);
    void Accept(TTerm& term, TForm form, const TMatch& match);
    [[noreturn]] void RaiseSyntaxError(const TTerm& term);
    void TraceScan(const TTerm& term, TForm form, TPart& left, TPart& right);
    void TraceArguments(const TTerm& term, TPart& left, TPart& right);

    void PlaceLeaf(const TTerm& term);
    TTerm NewChild(const TTerm& term, int side) const;
    TTerm CreateLeftChild(TTerm& term);
    TTerm CreateRightChild(TTerm& term);
    TBuildOp& SlotOp(int level, int position) {
        return ops_[static_cast<std::size_t>(opTable_[level][position - 1])];
    }
    void FeedConsumer(const TTerm& term, TCellRef cell);
    int NewCell(double value);
    TOpList Link();
    std::string PartText(TPart part) const;
    std::string_view Text(TPart part) const;

    TRecogniser* recogniser_ = nullptr;
    const TVariableTable* variables_ = nullptr;
    const TFunctionTable* functions1_ = nullptr;
    const TFunctionTable* functions2_ = nullptr;
    std::array<std::array<int, kSlotsPerLevel>, kLevels> opTable_{};
    std::array<int, kLevels> counters_{};
    int deepest_ = 0;
    std::vector<TBuildOp> ops_;
    std::vector<double> cells_;
    std::vector<TTerm> path_;
};

} // namespace varnel
