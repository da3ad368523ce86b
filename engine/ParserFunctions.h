#pragma once

#include "engine/NameTable.h"

namespace varnel {

// Registers the 24 one-argument functions (SIN ... RANDOM) and the 6
// two-argument functions (ARG, MAX, MIN, POWER, INTPOWER, LOGN).
void RegisterStandardFunctions(TFunctionTable& functions1, TFunctionTable& functions2);

} // namespace varnel
