#pragma once

#include "common/Messages.h"
#include "units/UnitsData.h"
#include "units/ValidationProgress.h"

#include <string>
#include <vector>

namespace varnel {

// One problem found: the message and the category or unit element it
// concerns (no element for the header messages).
struct TValidationError {
    std::string Message;
    TXMLElement Element;
};

using TValidationErrors = std::vector<TValidationError>;

// Tests a units data document against the rules the model and the conversion
// engine rely on, filling `errors` (emptied first) in the order the problems
// are met. Disabled domains are never tested; with enabledOnly, disabled
// categories and units are neither tested nor search partners. The document
// is not changed. An error raised during the walk (a missing `enabled`) goes
// to the caller with the entries found so far kept. The unit notation
// parser's own complaints are added to `messages`.
void ValidateUnitsData(const TXMLUnitsDataType& root, TValidationErrors& errors, bool enabledOnly,
                       TMessages& messages, TValidationProgress* progress = nullptr);

} // namespace varnel
