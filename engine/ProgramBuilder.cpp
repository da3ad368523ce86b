#include "engine/ProgramBuilder.h"

#include "engine/ParserErrors.h"

#include <algorithm>

namespace varnel {

namespace {

// The order in which a term is classified.
constexpr TForm kTermForms[] = {TForm::Variable,    TForm::Number,     TForm::Negation,
                                TForm::Sum,         TForm::Difference, TForm::Product,
                                TForm::IntQuotient, TForm::Remainder,  TForm::Quotient,
                                TForm::Power,       TForm::Function1,  TForm::Function2};

[[noreturn]] void RaiseMathError(TVerdict verdict) {
    if (verdict == TVerdict::Overflow)
        throw EOverflow();
    throw EInvalidOp();
}

TOpKind KindOf(TForm form) {
    switch (form) {
    case TForm::Variable:
        return TOpKind::okVariable;
    case TForm::Number:
        return TOpKind::okConstant;
    case TForm::Negation:
        return TOpKind::okNegate;
    case TForm::Sum:
        return TOpKind::okAdd;
    case TForm::Difference:
        return TOpKind::okSubtract;
    case TForm::Product:
        return TOpKind::okMultiply;
    case TForm::IntQuotient:
        return TOpKind::okDiv;
    case TForm::Remainder:
        return TOpKind::okMod;
    case TForm::Quotient:
        return TOpKind::okDivide;
    case TForm::Function1:
        return TOpKind::okFunction1;
    default:
        return TOpKind::okFunction2;
    }
}

} // namespace

TOpList TProgramBuilder::Build(TRecogniser& recogniser, const TVariableTable& variables,
                               const TFunctionTable& functions1, const TFunctionTable& functions2,
                               int begin, int end) {
    recogniser_ = &recogniser;
    variables_ = &variables;
    functions1_ = &functions1;
    functions2_ = &functions2;
    counters_.fill(0);
    counters_[0] = 1;
    deepest_ = 0;
    ops_.clear();
    cells_.clear();
    path_.clear();

    ops_.push_back(TBuildOp{}); // the placeholder that receives the whole expression's value
    opTable_[0][0] = 0;

    TTerm root;
    root.Text = {begin, end};
    path_.push_back(root);
    bool firstVisit = true;
    while (!path_.empty()) {
        TTerm& term = path_.back();
        if (firstVisit) {
            Classify(term);
            if (term.Kind == TOpKind::okVariable || term.Kind == TOpKind::okConstant) {
                PlaceLeaf(term);
                path_.pop_back();
                firstVisit = false;
            } else {
                TTerm child = CreateLeftChild(term);
                path_.push_back(child);
            }
            continue;
        }
        // Back from a subtree: a binary term still lacks its right operand.
        if (!term.HasLeftChild || !(IsUnaryKind(term.Kind) || IsBinaryKind(term.Kind)))
            throw EParserInternalError();
        if (IsBinaryKind(term.Kind) && !term.HasRightChild) {
            TTerm child = CreateRightChild(term);
            path_.push_back(child);
            firstVisit = true;
            continue;
        }
        path_.pop_back();
    }
    return Link();
}

void TProgramBuilder::Classify(TTerm& term) {
    for (TForm form : kTermForms) {
        const TMatch match = recogniser_->Test(form, term.Text.Begin, term.Text.End);
        if (match.Raises())
            RaiseMathError(match.Verdict);
        if (match.Passed()) {
            Accept(term, form, match);
            return;
        }
    }
    RaiseSyntaxError(term);
}

void TProgramBuilder::Accept(TTerm& term, TForm form, const TMatch& match) {
    term.Kind = form == TForm::Power ? match.Kind : KindOf(form);
    term.Left = {match.LeftBegin, match.LeftEnd};
    term.Right = {match.RightBegin, match.RightEnd};
    switch (form) {
    case TForm::Variable:
        term.Variable = *variables_->Find(Text(term.Text));
        break;
    case TForm::Number:
        term.Value = match.Value;
        break;
    case TForm::Function1:
    case TForm::Function2: {
        const std::string_view text = Text(term.Text);
        const std::string_view name = text.substr(0, text.find('('));
        const TFunctionTable& table = form == TForm::Function1 ? *functions1_ : *functions2_;
        term.Routine = *table.Find(name);
        break;
    }
    default:
        break;
    }
}

// The parts a failed term holds are those the last form test wrote: every
// candidate split is written as it is tried, a part that passes as a Bracket
// is written as its inner text, and a Function2 writes its second argument
// only after the first has passed.
void TProgramBuilder::RaiseSyntaxError(const TTerm& term) {
    TPart left;
    TPart right;
    const int begin = term.Text.Begin;
    const int end = term.Text.End;
    const std::string_view text = recogniser_->Text();
    if (begin < end && text[static_cast<std::size_t>(begin)] == '-')
        left = {begin + 1, end};
    for (TForm form : {TForm::Sum, TForm::Difference, TForm::Product, TForm::IntQuotient,
                       TForm::Remainder, TForm::Quotient, TForm::Power})
        TraceScan(term, form, left, right);
    const int open = recogniser_->Index().FirstOpenBracket(begin);
    const bool named = open < end && open > begin && text[static_cast<std::size_t>(end - 1)] == ')';
    const std::string_view name = text.substr(static_cast<std::size_t>(begin),
                                              static_cast<std::size_t>(std::max(open - begin, 0)));
    if (named && functions1_->Contains(name))
        left = {open + 1, end - 1};
    if (named && functions2_->Contains(name))
        TraceArguments(term, left, right);
    if (left.IsBlank() && right.IsBlank())
        throw ESyntaxError(std::string(Text(term.Text)));
    throw ESyntaxError(PartText(left), PartText(right));
}

void TProgramBuilder::TraceScan(const TTerm& term, TForm form, TPart& left, TPart& right) {
    const std::string_view text = recogniser_->Text();
    const int begin = term.Text.Begin;
    const int end = term.Text.End;
    const bool word = form == TForm::IntQuotient || form == TForm::Remainder;
    const std::string_view op = form == TForm::Sum           ? "+"
                                : form == TForm::Difference  ? "-"
                                : form == TForm::Product     ? "*"
                                : form == TForm::Quotient    ? "/"
                                : form == TForm::Power       ? "^"
                                : form == TForm::IntQuotient ? "DIV"
                                                             : "MOD";
    const int width = static_cast<int>(op.size());
    if (begin >= end || (!word && text[static_cast<std::size_t>(begin)] == op[0]))
        return;
    const int lastCandidate = word ? end - 3 : end - 2;
    int candidate = -1;
    for (int i = lastCandidate; i > begin; --i)
        if (text.compare(static_cast<std::size_t>(i), op.size(), op) == 0) {
            candidate = i;
            break;
        }
    if (candidate < 0)
        return;
    left = {begin, candidate};
    right = {candidate + width, end};
    const TExpressionIndex& index = recogniser_->Index();
    if (!index.Balanced(begin, candidate) || !index.Balanced(candidate + width, end))
        return;
    const TForm leftTest = form == TForm::Sum          ? TForm::SumLeft
                           : form == TForm::Difference ? TForm::DifferenceLeft
                           : form == TForm::Product    ? TForm::ProductLeft
                           : form == TForm::Power      ? TForm::PowerLeft
                                                       : TForm::QuotientLeft;
    const TMatch leftMatch = recogniser_->Test(leftTest, begin, candidate);
    if (leftMatch.Raises())
        RaiseMathError(leftMatch.Verdict);
    if (leftMatch.Passed())
        left = {leftMatch.LeftBegin, leftMatch.LeftEnd};
}

void TProgramBuilder::TraceArguments(const TTerm& term, TPart& left, TPart& right) {
    const std::string_view text = recogniser_->Text();
    const int open = recogniser_->Index().FirstOpenBracket(term.Text.Begin);
    const int begin = open + 1;
    const int end = term.Text.End - 1;
    if (begin >= end || text[static_cast<std::size_t>(begin)] == ',')
        return;
    for (int i = begin + 1; i < end - 1; ++i) {
        if (text[static_cast<std::size_t>(i)] != ',')
            continue;
        left = {begin, i};
        const TMatch first = recogniser_->Test(TForm::Expression, begin, i);
        if (first.Raises())
            RaiseMathError(first.Verdict);
        if (!first.Passed())
            continue;
        left = {first.LeftBegin, first.LeftEnd};
        right = {i + 1, end};
    }
}

TProgramBuilder::TTerm TProgramBuilder::NewChild(const TTerm& term, int side) const {
    const int level = term.Level + 1;
    if (level >= kLevels)
        throw ETooManyNestings();
    const int position = counters_[level] + 1;
    if (position > kSlotsPerLevel)
        throw EExpressionTooComplex();
    TTerm child;
    child.Text = side == 1 ? term.Left : term.Right;
    child.Level = level;
    child.Position = position;
    child.Side = side;
    return child;
}

TProgramBuilder::TTerm TProgramBuilder::CreateLeftChild(TTerm& term) {
    TTerm child = NewChild(term, 1);
    const int index = static_cast<int>(ops_.size());
    TBuildOp op;
    op.Kind = term.Kind;
    op.Routine = term.Routine;
    op.Result = NewCell(0);
    ops_.push_back(op);
    opTable_[child.Level][child.Position - 1] = index;
    FeedConsumer(term, TCellRef{nullptr, op.Result});
    if (IsUnaryKind(term.Kind))
        ++counters_[child.Level];
    deepest_ = std::max(deepest_, child.Level);
    term.HasLeftChild = true;
    return child;
}

TProgramBuilder::TTerm TProgramBuilder::CreateRightChild(TTerm& term) {
    TTerm child = NewChild(term, 2);
    ++counters_[child.Level];
    term.HasRightChild = true;
    return child;
}

void TProgramBuilder::PlaceLeaf(const TTerm& term) {
    if (term.Kind == TOpKind::okVariable)
        FeedConsumer(term, TCellRef{term.Variable, -1});
    else
        FeedConsumer(term, TCellRef{nullptr, NewCell(term.Value)});
}

// The operation in the term's own slot reads the term's value.
void TProgramBuilder::FeedConsumer(const TTerm& term, TCellRef cell) {
    TBuildOp& consumer = SlotOp(term.Level, term.Position);
    (term.Side == 1 ? consumer.Operand1 : consumer.Operand2) = cell;
}

int TProgramBuilder::NewCell(double value) {
    cells_.push_back(value);
    return static_cast<int>(cells_.size()) - 1;
}

TOpList TProgramBuilder::Link() {
    const bool onlyPlaceholder = ops_.size() == 1;
    TOpList program(onlyPlaceholder ? 1 : ops_.size() - 1, cells_.size());
    for (std::size_t i = 0; i < cells_.size(); ++i)
        *program.Cell(i) = cells_[i];
    auto resolve = [&](const TCellRef& ref) -> double* {
        if (ref.Variable)
            return ref.Variable;
        return ref.Cell >= 0 ? program.Cell(static_cast<std::size_t>(ref.Cell)) : nullptr;
    };
    if (onlyPlaceholder) {
        TParserOp& op = program.Op(0);
        op.OpKind = TOpKind::okVariable;
        op.Operand1 = resolve(ops_[0].Operand1);
        op.ResultCell = op.Operand1;
        return program;
    }
    std::size_t next = 0;
    for (int level = deepest_; level >= 1; --level) {
        for (int slot = 0; slot < counters_[level]; ++slot) {
            const TBuildOp& built = ops_[static_cast<std::size_t>(opTable_[level][slot])];
            TParserOp& op = program.Op(next++);
            op.OpKind = built.Kind;
            op.Routine = built.Routine;
            op.Operand1 = resolve(built.Operand1);
            op.Operand2 = resolve(built.Operand2);
            op.ResultCell = program.Cell(static_cast<std::size_t>(built.Result));
        }
    }
    return program;
}

std::string_view TProgramBuilder::Text(TPart part) const {
    return recogniser_->Text().substr(static_cast<std::size_t>(part.Begin),
                                      static_cast<std::size_t>(part.End - part.Begin));
}

std::string TProgramBuilder::PartText(TPart part) const {
    return part.IsBlank() ? std::string(" ") : std::string(Text(part));
}

} // namespace varnel
