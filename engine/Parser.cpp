#include "engine/Parser.h"

#include "engine/ParserFunctions.h"
#include "engine/ParserOperators.h"

namespace varnel {

TCustomParser::TCustomParser() = default;

TCustomParser::~TCustomParser() = default;

void TCustomParser::SetExpression(const std::string& text) {
    program_ = TOpList();
    expression_ = text;
    if (text.empty())
        return;
    try {
        program_ = compiler_.Compile(text, variableTable_, function1Table_, function2Table_,
                                     pascalNumberformat_);
    } catch (const Exception& error) {
        if (!onParserError_)
            throw;
        onParserError_(*this, error);
        return;
    }
    AssignRoutines();
}

void TCustomParser::AssignRoutines() {
    for (TParserOp* op = program_.First(); op; op = op->Next)
        if (op->OpKind != TOpKind::okFunction1 && op->OpKind != TOpKind::okFunction2)
            op->Routine = OperatorRoutine(op->OpKind);
}

long double TCustomParser::Value() {
    TParserOp* op = program_.First();
    if (!op)
        return 0;
    for (; op->Next; op = op->Next)
        op->Routine(*op);
    op->Routine(*op);
    return *op->ResultCell;
}

bool TCustomParser::AddVariable(std::string_view name, double& cell) {
    return variableTable_.Add(name, &cell);
}

bool TCustomParser::AddFunction1(std::string_view name, TParserRoutine routine) {
    return function1Table_.Add(name, routine);
}

bool TCustomParser::AddFunction2(std::string_view name, TParserRoutine routine) {
    return function2Table_.Add(name, routine);
}

TParser::TParser() {
    AddVariable("A", Cell(kA));
    AddVariable("B", Cell(kB));
    AddVariable("C", Cell(kC));
    AddVariable("D", Cell(kD));
    AddVariable("E", Cell(kE));
    AddVariable("X", Cell(kX));
    AddVariable("Y", Cell(kY));
    AddVariable("T", Cell(kT));
    TFunctionTable functions1;
    TFunctionTable functions2;
    RegisterStandardFunctions(functions1, functions2);
    for (std::size_t i = 0; i < functions1.Count(); ++i)
        AddFunction1(functions1.Name(i), *functions1.Find(functions1.Name(i)));
    for (std::size_t i = 0; i < functions2.Count(); ++i)
        AddFunction2(functions2.Name(i), *functions2.Find(functions2.Name(i)));
}

} // namespace varnel
