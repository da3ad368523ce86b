#pragma once

#include <string>

namespace varnel {

// What a units data validation tells its progress window: shown at the start,
// the number of categories to test, each category's name as it is tested,
// chances to process pending window events, hidden at the end (also when the
// validation ends with an error).
class TValidationProgress {
public:
    virtual ~TValidationProgress() = default;
    virtual void Started() = 0;
    virtual void SetMaximum(int categories) = 0;
    virtual void ShowCategory(const std::string& name) = 0;
    virtual void ProcessEvents() = 0;
    virtual void Finished() = 0;
};

} // namespace varnel
