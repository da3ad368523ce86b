#pragma once

#include "engine/ParserOp.h"

namespace varnel {

// The routine of an operation of the given kind: one that does nothing for
// okVariable and okConstant, the operator routine for the kinds okNegate to
// okFourth, and none for the function kinds (their routine comes from the
// function tables).
TParserRoutine OperatorRoutine(TOpKind kind);

} // namespace varnel
