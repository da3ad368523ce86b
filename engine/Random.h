#pragma once

namespace varnel {

// A pseudo-random number uniform in [0, 1) from the one generator of the
// program, seeded once from the clock when first used.
double RandomUniform();

} // namespace varnel
