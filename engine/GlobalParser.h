#pragma once

#include "engine/Parser.h"

namespace varnel {

// The one parser of the program, with no error handler. The first call
// creates it and seeds the random generator from the clock; the conversion
// rules of rule units are evaluated with it.
TParser& GlobalParser();

} // namespace varnel
