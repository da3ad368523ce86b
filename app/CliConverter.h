#pragma once

#include "common/Exception.h"
#include "convert/CompatibleUnits.h"
#include "convert/Convert.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnel::cli {

// A conversion the tool refuses, in words for the user. An empty message
// means the engine's messages say why.
class ECliError : public Exception {
public:
    using Exception::Exception;
};

// Converts quantities as the converter window's Simple page does: the source
// engine keeps the typed value, the target engine takes the source and
// converts it factor by factor to the units the target names. Where that
// cannot be done, units with the same base units still convert (kW.h to J).
class TCliConverter {
public:
    // Loads the units data into both engines; raises Exception when the text
    // cannot serve as units data.
    explicit TCliConverter(std::string_view unitsDataText);

    // The converted quantity as text ("10 [m/s]"). `target` holds one unit
    // per factor of the quantity, in any order, with or without brackets.
    std::string Convert(std::string_view quantity, std::string_view target);

    const TConvert& Units() const { return source_; }
    // What the engine said since the last call, in order; emptied.
    TMessages TakeMessages();

private:
    struct TWantedUnit {
        std::string Written;
        int CatIndex = -1;
        int UnitIndex = -1;
        int Exponent = 0;
        const TCat* SupCat = nullptr;
        bool Used = false;
    };

    std::string ConvertByFactors(std::string_view quantity, const std::string& targetUnits);
    TCompatibleResult ThroughBaseUnits(std::string_view quantity,
                                       const std::string& targetUnits) const;
    bool ConvertsAsOneUnit(std::string_view quantity, const std::string& targetUnits);
    void SetSource(std::string_view quantity);
    std::vector<TWantedUnit> WantedUnits(const std::string& targetUnits);
    std::string OneUnitResult(const std::string& targetUnits) const;
    void CheckConvertible(const TConvert& engine, const std::string& notation);
    static int MatchFactor(const TDim& dim, std::vector<TWantedUnit>& wanted);

    // A target's units as read once, with what the engine said about them.
    struct TReadTarget {
        std::vector<TWantedUnit> Wanted;
        TMessages Messages;
    };

    TConvert source_;
    TConvert target_;
    TMessages messages_;
    // A batch names the same few targets line after line; reading one depends
    // on the units data alone, which never changes here.
    std::unordered_map<std::string, TReadTarget> readTargets_;
    // The same for the units of sources that convert.
    std::unordered_map<std::string, TMessages> readSources_;
};

} // namespace varnel::cli
