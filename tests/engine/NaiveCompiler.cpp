#include "NaiveCompiler.h"

#include "common/NumberSyntax.h"
#include "engine/ExpressionCompiler.h"
#include "engine/ParserErrors.h"

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace varnel::test {

namespace {

struct TooExpensive {};

std::string Describe(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The recogniser: every test takes its parts by reference and writes them as
// the compiler's rules say.
class NaiveRecogniser {
public:
    NaiveRecogniser(const TVariableTable& variables, const TFunctionTable& functions1,
                    const TFunctionTable& functions2, long budget)
        : variables_(variables), functions1_(functions1), functions2_(functions2), budget_(budget) {
    }

    TOpKind PowerKind = TOpKind::okPower;

    static bool Balanced(const std::string& s) {
        long open = 0;
        for (char c : s)
            open += (c == '(') - (c == ')');
        return open == 0;
    }

    bool Variable(const std::string& s) const { return !s.empty() && variables_.Contains(s); }

    bool Number(const std::string& s, double& value) {
        Tick();
        if (s.empty())
            return false;
        if (s == "PI" || s == "-PI") {
            value = s == "PI" ? 3.141592653589793 : -3.141592653589793;
            return true;
        }
        switch (ReadNumber(s, value)) {
        case NumberRead::Ok:
            return true;
        case NumberRead::Overflow:
            throw EOverflow();
        default:
            return false;
        }
    }

    bool Number(const std::string& s) {
        double value;
        return Number(s, value);
    }

    bool Bracket(const std::string& s, std::string& part) {
        if (s.size() < 2 || s.front() != '(' || s.back() != ')')
            return false;
        part = s.substr(1, s.size() - 2);
        return Expression(part);
    }

    bool Expression(std::string& s) {
        Tick();
        if (s.empty())
            return false;
        std::string left;
        std::string right;
        if (Number(s) || Variable(s) || Negation(s, left) || Sum(s, left, right) ||
            Difference(s, left, right) || Product(s, left, right) || IntQuotient(s, left, right) ||
            Remainder(s, left, right) || Quotient(s, left, right) || Power(s, left, right) ||
            Function2(s, left, right) || Function1(s, left))
            return true;
        std::string inner;
        if (Bracket(s, inner)) {
            s = inner;
            return true;
        }
        return false;
    }

    bool Negation(const std::string& s, std::string& left) {
        if (s.empty() || s[0] != '-')
            return false;
        left = s.substr(1);
        std::string inner;
        if (Bracket(left, inner)) {
            left = inner;
            return true;
        }
        std::string l;
        std::string r;
        return Power(left, l, r) || Variable(left) || Function1(left, l) || Function2(left, l, r);
    }

    using OperandTest = bool (NaiveRecogniser::*)(std::string&);

    bool Scan(const std::string& s, const std::string& op, std::string& left, std::string& right,
              OperandTest leftTest, OperandTest rightTest) {
        Tick();
        const bool word = op.size() == 3;
        std::size_t from = 0;
        for (;;) {
            const std::size_t i = s.find(op, from);
            if (i == std::string::npos)
                return false;
            from = i + 1;
            if (word && i == 0)
                continue;
            if (!word && (i == 0 || i == s.size() - 1))
                return false;
            left = s.substr(0, i);
            right = s.substr(i + op.size());
            if (Balanced(left) && Balanced(right) && (this->*leftTest)(left) &&
                (this->*rightTest)(right))
                return true;
        }
    }

    bool Sum(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "+", l, r, &NaiveRecogniser::SumLeft, &NaiveRecogniser::SumRight);
    }
    bool Difference(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "-", l, r, &NaiveRecogniser::SumLeft, &NaiveRecogniser::DifferenceRight);
    }
    bool Product(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "*", l, r, &NaiveRecogniser::ProductLeft, &NaiveRecogniser::ProductRight);
    }
    bool Quotient(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "/", l, r, &NaiveRecogniser::ProductLeft, &NaiveRecogniser::QuotientRight);
    }
    bool IntQuotient(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "DIV", l, r, &NaiveRecogniser::ProductLeft, &NaiveRecogniser::QuotientRight);
    }
    bool Remainder(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "MOD", l, r, &NaiveRecogniser::ProductLeft, &NaiveRecogniser::QuotientRight);
    }
    bool Power(const std::string& s, std::string& l, std::string& r) {
        return Scan(s, "^", l, r, &NaiveRecogniser::PowerLeft, &NaiveRecogniser::PowerRight);
    }

    // Variable or Number; else Bracket (the part becomes its inner text).
    bool Plain(std::string& part) {
        if (Variable(part) || Number(part))
            return true;
        std::string inner;
        if (Bracket(part, inner)) {
            part = inner;
            return true;
        }
        return false;
    }

    // Difference's left operand passes the same forms as Sum's.
    bool SumLeft(std::string& p) {
        std::string l, r;
        return Plain(p) || Difference(p, l, r) || Negation(p, l) || Product(p, l, r) ||
               IntQuotient(p, l, r) || Remainder(p, l, r) || Quotient(p, l, r) || Power(p, l, r) ||
               Function1(p, l) || Function2(p, l, r);
    }
    bool SumRight(std::string& p) {
        std::string l, r;
        return Plain(p) || Sum(p, l, r) || Difference(p, l, r) || Product(p, l, r) ||
               IntQuotient(p, l, r) || Remainder(p, l, r) || Quotient(p, l, r) || Power(p, l, r) ||
               Function1(p, l) || Function2(p, l, r);
    }
    // Product's right operand passes the same forms as Difference's.
    bool DifferenceRight(std::string& p) {
        std::string l, r;
        return Plain(p) || Product(p, l, r) || IntQuotient(p, l, r) || Remainder(p, l, r) ||
               Quotient(p, l, r) || Power(p, l, r) || Function1(p, l) || Function2(p, l, r);
    }
    bool ProductRight(std::string& p) { return DifferenceRight(p); }
    // The left operand of Product, IntQuotient, Remainder and Quotient.
    bool ProductLeft(std::string& p) {
        std::string l, r;
        return Plain(p) || IntQuotient(p, l, r) || Negation(p, l) || Remainder(p, l, r) ||
               Quotient(p, l, r) || Power(p, l, r) || Function1(p, l) || Function2(p, l, r);
    }
    bool QuotientRight(std::string& p) {
        std::string l, r;
        return Plain(p) || Power(p, l, r) || Function1(p, l) || Function2(p, l, r);
    }
    bool PowerLeft(std::string& p) {
        std::string l, r;
        return Plain(p) || Function2(p, l, r) || Function1(p, l);
    }
    bool PowerRight(std::string& p) {
        double n = 0;
        if (Number(p, n)) {
            if (!(n >= -0x1p63 && n < 0x1p63))
                throw EInvalidOp();
            const auto low =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(n)));
            PowerKind = n != low   ? TOpKind::okPower
                        : low == 2 ? TOpKind::okSquare
                        : low == 3 ? TOpKind::okCube
                        : low == 4 ? TOpKind::okFourth
                                   : TOpKind::okIntPower;
            return true;
        }
        std::string l, r;
        std::string inner;
        bool passed = Variable(p);
        if (!passed && Bracket(p, inner)) {
            p = inner;
            passed = true;
        }
        passed = passed || Function2(p, l, r) || Function1(p, l);
        if (passed)
            PowerKind = TOpKind::okPower;
        return passed;
    }

    std::size_t NamedBracket(const std::string& s, const TFunctionTable& table) const {
        const std::size_t p = s.find('(');
        if (p == std::string::npos || p == 0 || !table.Contains(s.substr(0, p)))
            return std::string::npos;
        return p;
    }

    bool Function1(const std::string& s, std::string& left) {
        const std::size_t p = NamedBracket(s, functions1_);
        return p != std::string::npos && Bracket(s.substr(p), left);
    }

    bool Function2(const std::string& s, std::string& left, std::string& right) {
        if (s.empty() || s.back() != ')')
            return false;
        const std::size_t p = NamedBracket(s, functions2_);
        return p != std::string::npos &&
               ArgumentPair(s.substr(p + 1, s.size() - p - 2), left, right);
    }

    bool ArgumentPair(const std::string& a, std::string& left, std::string& right) {
        std::size_t from = 0;
        for (;;) {
            const std::size_t i = a.find(',', from);
            if (i == std::string::npos || i == 0 || i == a.size() - 1)
                return false;
            from = i + 1;
            left = a.substr(0, i);
            if (Expression(left)) {
                right = a.substr(i + 1);
                if (Expression(right))
                    return true;
            }
        }
    }

    const TVariableTable& Variables() const { return variables_; }
    const TFunctionTable& Functions1() const { return functions1_; }
    const TFunctionTable& Functions2() const { return functions2_; }

private:
    void Tick() {
        if (++steps_ > budget_)
            throw TooExpensive{};
    }

    const TVariableTable& variables_;
    const TFunctionTable& functions1_;
    const TFunctionTable& functions2_;
    long budget_;
    long steps_ = 0;
};

// The builder: terms, the table of levels, the pre-order walk and the linking.
class NaiveBuilder {
public:
    explicit NaiveBuilder(NaiveRecogniser& recogniser) : r_(recogniser) {
        counters_.fill(0);
        counters_[0] = 1;
        ops_.push_back(Op{}); // the placeholder
        table_[0][0] = 0;
    }

    std::string Build(const std::string& text) {
        Term root;
        root.Text = text;
        Visit(root);
        return Listing();
    }

private:
    struct Term {
        std::string Text;
        std::string Left = " ";
        std::string Right = " ";
        TOpKind Kind = TOpKind::okVariable;
        int Level = 0;
        int Position = 1;
        int Side = 1;
        double Value = 0;
    };

    struct Op {
        TOpKind Kind = TOpKind::okVariable;
        std::string Operand1 = "-";
        std::string Operand2 = "-";
        int Result = -1; // the op's own number once linked
    };

    void Classify(Term& t) {
        const std::string& s = t.Text;
        if (r_.Variable(s)) {
            t.Kind = TOpKind::okVariable;
        } else if (r_.Number(s, t.Value)) {
            t.Kind = TOpKind::okConstant;
        } else if (r_.Negation(s, t.Left)) {
            t.Kind = TOpKind::okNegate;
        } else if (r_.Sum(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okAdd;
        } else if (r_.Difference(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okSubtract;
        } else if (r_.Product(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okMultiply;
        } else if (r_.IntQuotient(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okDiv;
        } else if (r_.Remainder(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okMod;
        } else if (r_.Quotient(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okDivide;
        } else if (r_.Power(s, t.Left, t.Right)) {
            t.Kind = r_.PowerKind;
        } else if (r_.Function1(s, t.Left)) {
            t.Kind = TOpKind::okFunction1;
        } else if (r_.Function2(s, t.Left, t.Right)) {
            t.Kind = TOpKind::okFunction2;
        } else if (t.Left == " " && t.Right == " ") {
            throw ESyntaxError(t.Text);
        } else {
            throw ESyntaxError(t.Left, t.Right);
        }
    }

    Op& Slot(int level, int position) {
        return ops_[static_cast<std::size_t>(table_[level][position - 1])];
    }

    void Feed(const Term& t, const std::string& operand) {
        (t.Side == 1 ? Slot(t.Level, t.Position).Operand1 : Slot(t.Level, t.Position).Operand2) =
            operand;
    }

    Term Child(const Term& t, int side) {
        Term child;
        child.Level = t.Level + 1;
        if (child.Level > 20)
            throw ETooManyNestings();
        child.Position = counters_[child.Level] + 1;
        if (child.Position > 50)
            throw EExpressionTooComplex();
        child.Side = side;
        child.Text = side == 1 ? t.Left : t.Right;
        return child;
    }

    void Visit(Term& t) {
        Classify(t);
        if (t.Kind == TOpKind::okVariable || t.Kind == TOpKind::okConstant) {
            Feed(t, t.Kind == TOpKind::okVariable ? t.Text : "#" + Describe(t.Value));
            return;
        }
        Term left = Child(t, 1);
        const int index = static_cast<int>(ops_.size());
        ops_.push_back(Op{t.Kind});
        table_[left.Level][left.Position - 1] = index;
        Feed(t, "@" + std::to_string(index));
        if (IsUnaryKind(t.Kind))
            ++counters_[left.Level];
        deepest_ = std::max(deepest_, left.Level);
        Visit(left);
        if (IsBinaryKind(t.Kind)) {
            Term right = Child(t, 2);
            ++counters_[right.Level];
            Visit(right);
        }
    }

    std::string Listing() {
        if (ops_.size() == 1)
            return "0 " + ops_[0].Operand1 + " - => " + ops_[0].Operand1 + "\n";
        std::vector<int> order;
        for (int level = deepest_; level >= 1; --level)
            for (int slot = 0; slot < counters_[level]; ++slot)
                order.push_back(table_[level][slot]);
        std::map<std::string, std::string> renamed;
        for (std::size_t k = 0; k < order.size(); ++k)
            renamed["@" + std::to_string(order[k])] = "@" + std::to_string(k);
        auto name = [&](const std::string& operand) {
            auto it = renamed.find(operand);
            return it == renamed.end() ? operand : it->second;
        };
        std::string listing;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const Op& op = ops_[static_cast<std::size_t>(order[k])];
            listing += std::to_string(static_cast<int>(op.Kind)) + " " + name(op.Operand1) + " " +
                       name(op.Operand2) + " => @" + std::to_string(k) + "\n";
        }
        return listing;
    }

    NaiveRecogniser& r_;
    std::array<std::array<int, 50>, 21> table_{};
    std::array<int, 21> counters_{};
    int deepest_ = 0;
    std::vector<Op> ops_;
};

} // namespace

std::string NaiveCompile(const std::string& text, const TVariableTable& variables,
                         const TFunctionTable& functions1, const TFunctionTable& functions2,
                         long budget) {
    try {
        std::string s = PrepareExpressionText(text);
        NaiveRecogniser recogniser(variables, functions1, functions2, budget);
        std::string inner;
        while (recogniser.Bracket(s, inner))
            s = inner;
        NaiveBuilder builder(recogniser);
        return builder.Build(s);
    } catch (const Exception& error) {
        return "error: " + error.Message();
    } catch (const TooExpensive&) {
        return "too expensive";
    }
}

std::string ProgramListing(const TOpList& program, const TVariableTable& variables) {
    std::map<const double*, std::string> names;
    for (std::size_t i = 0; i < variables.Count(); ++i)
        names[*variables.Find(variables.Name(i))] = variables.Name(i);
    std::map<const double*, std::string> results;
    int k = 0;
    for (const TParserOp* op = program.First(); op; op = op->Next, ++k)
        if (op->OpKind != TOpKind::okVariable)
            results[op->ResultCell] = "@" + std::to_string(k);
    auto name = [&](const double* cell) -> std::string {
        if (!cell)
            return "-";
        if (auto it = names.find(cell); it != names.end())
            return it->second;
        if (auto it = results.find(cell); it != results.end())
            return it->second;
        return "#" + Describe(*cell);
    };
    std::string listing;
    k = 0;
    for (const TParserOp* op = program.First(); op; op = op->Next, ++k) {
        if (op->OpKind == TOpKind::okVariable)
            listing += "0 " + name(op->Operand1) + " - => " + name(op->ResultCell) + "\n";
        else
            listing += std::to_string(static_cast<int>(op->OpKind)) + " " + name(op->Operand1) +
                       " " + name(op->Operand2) + " => @" + std::to_string(k) + "\n";
    }
    return listing;
}

} // namespace varnel::test
