#pragma once

namespace varnel {

// Faults that consistent data cannot cause. The user reads them as
// "internal error #<number>", so the numbers never change: a report names
// the place by its number.
enum class TInternalError {
    // A factor asked for a supplemental unit, but its category has none.
    SupplementalUnitMissing = 56,
    // The Simple page's source and target engines split the quantity into a
    // different number of factors.
    SourceAndTargetFactorsDiffer = 221,
    // The Simple page does not hold one row for each factor.
    RowsDoNotMatchFactors = 222,
    // A supplemental category lost its root category.
    SupplementalWithoutRoot = 357,
    // A factor was about to be built on a category that is not a root one.
    FactorOnNonRootCategory = 358,
    // An exponent was given to a factor that is not of a root category.
    ExponentOnNonRootFactor = 554,
};

} // namespace varnel
