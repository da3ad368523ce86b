#pragma once

#include "convert/Dim.h"
#include "convert/UnitLookup.h"
#include "units/Cats.h"
#include "units/UnitNotation.h"

#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The conversion engine: the categories of one units data file and one
// quantity, a number and its factors. A source-side engine (KeepValue true)
// re-labels its number when a factor changes unit; a target-side engine
// converts it.
class TConvert : public TCats {
public:
    TConvert();
    explicit TConvert(const std::filesystem::path& fileName);
    ~TConvert() override;

    // With the model, the other engine's symbol index is shared too.
    void ShareModel(const TCats& other) override;
    // A load clears too: the quantity's factors and the symbol index are
    // gone with the old categories.
    void Clear() override;

    // Replaces the quantity by the one written in text ("36 [km/h]"). A
    // refused unit leaves no factors and no number; the returned messages
    // say why.
    TMessages SetText(std::string_view text);
    std::string GetText() const;
    // Appends a factor; false, with the reason added to messages, when it is
    // refused.
    bool AddUnit(const TUnitRec& unit, TMessages& messages);
    // Takes effect only on an engine that keeps its value.
    void SetNumber(double x);
    // Converts a quantity of one unit into the unit `symbol` of the same
    // category; raises EM "Categories don't match." across categories.
    bool ConvertTo(std::string_view symbol, TMessages& messages);
    void AllToCore();

    int DimCount() const { return static_cast<int>(dims_.size()); }
    // The factor at index, or nullptr out of range.
    TDim* Dims(int index) const;

    double Number() const { return number_; }
    const std::string& NumberText() const { return numberText_; }
    void SetNumberText(std::string text) { numberText_ = std::move(text); }
    bool UnitsValid() const { return unitsValid_; }
    // The units were read and every symbol names a unit of the data.
    bool AllUnitsKnown() const;
    bool KeepValue() const { return keepValue_; }
    void SetKeepValue(bool keep) { keepValue_ = keep; }

    // FindUnit through an index: the same answer, without the linear search.
    bool LookUpUnit(std::string_view symbol, int& catIndex, int& unitIndex) const;

private:
    friend class TDim; // stores the numbers it converts

    void StoreConverted(double value);
    void DropQuantity();
    // Keeps the factors for reuse: making a factor reads its category's units.
    void FreeDims();
    void ForgetUnits();
    std::unique_ptr<TDim> NewDim(const TCat& base);
    bool IsDuplicate(const TCat& cat, int catIndex, bool supplemental, TMessages& messages) const;
    int IndexOfCatObject(const TCat* cat) const;
    bool AddKnownUnit(const TUnitRec& unit, int catIndex, int unitIndex, TMessages& messages);
    bool AddUnitsOfAlias(const std::string& symbol, int32_t degree, TMessages& messages);
    double ValueInCore(const TUnit& unit, double value) const;
    double ValueFromCore(const TUnit& unit, double value) const;

    double number_ = 0;
    std::string numberText_;
    bool unitsValid_ = false;
    bool keepValue_ = false;
    std::vector<std::unique_ptr<TDim>> dims_;
    std::vector<std::unique_ptr<TDim>> spareDims_;
    std::shared_ptr<TUnitLookup> lookup_;
};

} // namespace varnel
