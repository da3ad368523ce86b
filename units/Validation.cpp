#include "units/Validation.h"

#include "common/TextUtil.h"
#include "engine/Parser.h"
#include "units/Unit.h"
#include "units/UnitNotation.h"
#include "units/UnitPartners.h"

#include <cmath>
#include <memory>
#include <unordered_map>

namespace varnel {

namespace {

constexpr std::string_view CoreUnitType = "si-unit";
constexpr std::string_view FactorUnitType = "factor";
constexpr std::string_view RootCatType = "root";
constexpr std::string_view SupCatType = "sup";

// A rule that is sound for some inputs only (sqrt(#), acos(#), log(#-1)) must
// still pass, so it fails only when none of these values gets through it.
constexpr const char* RuleTestValues[] = {"0.5", "1.5", "10", "(-0.5)"};

// Why a conversion rule cannot be used: it does not compile, or no test value
// gives a number. Empty when it can.
std::string RuleProblem(const std::string& rule) {
    static TParser parser;
    std::string problem;
    for (const char* value : RuleTestValues) {
        try {
            parser.SetExpression(ReplaceAll(rule, "#", value));
            if (std::isfinite(static_cast<double>(parser.Value())))
                return {};
            if (problem.empty())
                problem = "not a number";
        } catch (const std::exception& error) {
            if (problem.empty())
                problem = error.what();
        }
    }
    for (char& c : problem)
        if (c == '\r' || c == '\n')
            c = ' ';
    return problem;
}

// Brackets would end a quantity's units and an arrow would split a batch line.
bool SymbolBreaksTheNotation(const std::string& symbol) {
    return symbol.find_first_of("[]") != std::string::npos ||
           symbol.find("->") != std::string::npos;
}

class TNoProgress : public TValidationProgress {
public:
    void Started() override {}
    void SetMaximum(int) override {}
    void ShowCategory(const std::string&) override {}
    void ProcessEvents() override {}
    void Finished() override {}
};

// Hides the progress window however the validation ends.
class TProgressScope {
public:
    explicit TProgressScope(TValidationProgress& progress) : progress_(progress) {
        progress_.Started();
    }
    ~TProgressScope() { progress_.Finished(); }
    TProgressScope(const TProgressScope&) = delete;
    TProgressScope& operator=(const TProgressScope&) = delete;

private:
    TValidationProgress& progress_;
};

class TUnitsDataValidator {
public:
    TUnitsDataValidator(const TXMLUnitsDataType& root, TValidationErrors& errors, bool enabledOnly,
                        TMessages& messages, TValidationProgress& progress)
        : root_(root), errors_(errors), enabledOnly_(enabledOnly), messages_(messages),
          progress_(progress) {}

    void Run() {
        keywords_ = SplitCommaText(root_.Description().Keywords());
        CheckHeader();
        CollectCategories();
        progress_.SetMaximum(static_cast<int>(cats_.size()));
        for (TXMLDomainType domain : root_.Domains())
            if (domain.Enabled() != 0)
                for (TXMLCategoryType category : domain.Categories())
                    CheckCategory(category);
    }

private:
    void Add(std::string message, TXMLElement element = {}) {
        errors_.push_back({std::move(message), element});
    }

    bool Skipped(const TXMLCategoryType& category) const {
        return enabledOnly_ && category.Enabled() == 0;
    }
    bool Skipped(const TXMLUnitType& unit) const { return enabledOnly_ && unit.Enabled() == 0; }

    void CheckHeader() {
        TXMLDescriptionType description = root_.Description();
        if (description.Version() != "1.00")
            Add("Wrong version - possible mismaches.");
        if (description.Copyright() != "Quillmere")
            Add("WRONG COPYRIGHT NOTICE !");
    }

    void CollectCategories() {
        for (TXMLDomainType domain : root_.Domains()) {
            if (domain.Enabled() == 0)
                continue;
            for (TXMLCategoryType category : domain.Categories()) {
                progress_.ProcessEvents();
                if (!Skipped(category)) {
                    cats_.push_back(category);
                    ++catNames_[UpperCase(category.Name())];
                }
            }
        }
    }

    void CheckCategory(const TXMLCategoryType& category) {
        progress_.ShowCategory(category.Name());
        progress_.ProcessEvents();
        if (Skipped(category))
            return;
        if (IsBlank(category.Name()))
            Add("Category name is empty", category);
        if (IndexOfText(category.Type(), CatTypes) < 0)
            Add("Category type is wrong", category);
        // One message per other category of the name, cats_ holding this one too.
        for (int i = catNames_[UpperCase(category.Name())]; i > 1; --i)
            Add("Duplicated category names", category);

        int coreCount = 0;
        TXMLUnitType core;
        for (TXMLUnitType unit : category.Units())
            if (unit.Type() == CoreUnitType) {
                ++coreCount;
                core = unit;
            }
        if (coreCount != 1)
            Add("Each category must have one core-unit", category);
        else
            CheckCoreUnit(category, core);

        for (TXMLUnitType unit : category.Units())
            CheckUnit(category, unit);
    }

    void CheckCoreUnit(const TXMLCategoryType& category, const TXMLUnitType& core) {
        TUnitEntries entries;
        if (!ParseUnits(core.Symbol(), entries, messages_))
            return; // the parser has said why
        int kind = IndexOfText(category.Type(), CatTypes);
        if (kind == 1)
            CheckSupCoreUnit(core, entries);
        else if (kind == 2)
            CheckCompCategory(category, core, entries);
    }

    void CheckSupCoreUnit(const TXMLUnitType& core, const TUnitEntries& entries) {
        if (entries.size() != 1)
            Add("Core-unit of suplemental category must have one root core-unit to be supl. to",
                core);
        else if (!FindInRoots(entries[0].Symbol))
            Add("Unknown core-unit of suplemental category", core);
    }

    void CheckCompCategory(const TXMLCategoryType& category, const TXMLUnitType& core,
                           const TUnitEntries& coreEntries) {
        for (const TUnitRec& entry : coreEntries)
            if (!FindInRoots(entry.Symbol))
                Add("Unknown core-unit (" + entry.Symbol + ") of compound category", core);
        for (TXMLUnitType unit : category.Units())
            if (unit.Type() == FactorUnitType)
                CheckCompFactorUnit(unit, coreEntries);
    }

    void CheckCompFactorUnit(const TXMLUnitType& unit, const TUnitEntries& coreEntries) {
        TUnitEntries entries;
        ParseUnits(unit.Symbol(), entries, messages_); // what was read is compared, accepted or not
        if (entries.size() != coreEntries.size()) {
            Add("Wrong number of units (" + unit.Symbol() + ") of compound category", unit);
            return;
        }
        for (size_t k = 0; k < entries.size(); ++k) {
            TPartnerPosition a = FindInRoots(coreEntries[k].Symbol);
            TPartnerPosition b = a ? FindAny(entries[k].Symbol) : TPartnerPosition();
            if (!a || !b) {
                Add("Unknown unit (" + entries[k].Symbol + ") of compound category", unit);
                continue;
            }
            if (coreEntries[k].Degree != entries[k].Degree)
                Add("Wrong exponent in unit definition -> " + entries[k].Symbol, unit);
            if (a.Cat != b.Cat)
                Add("Uncorrespondent units in definition ->" + entries[k].Symbol, unit);
        }
    }

    void CheckUnit(const TXMLCategoryType& category, const TXMLUnitType& unit) {
        TUnit temporary(nullptr, unit);
        if (Skipped(unit))
            return;
        CheckKeywords(unit);
        if (IsBlank(unit.Name()))
            Add("Unit name is empty", unit);
        if (unit.Symbol().empty())
            Add("Unit symbol is empty", unit);
        if (SymbolBreaksTheNotation(unit.Symbol()))
            Add("Unit symbol holds a bracket or an arrow", unit);
        Partners().ReportDuplicates(unit, [&](const char* message) { Add(message, unit); });
        CheckAliases(unit);
        CheckConversion(category, unit, temporary);
    }

    // An alias that is some unit's symbol, or another unit's alias, would
    // quietly stand for the wrong unit.
    void CheckAliases(const TXMLUnitType& unit) {
        for (const std::string& alias : SplitCommaText(unit.Alias())) {
            if (FindAny(alias))
                Add("Alias is the symbol of a unit -> " + alias, unit);
            if (AliasCount(alias) > 1)
                Add("Duplicated aliases -> " + alias, unit);
        }
    }

    size_t AliasCount(const std::string& alias) {
        if (!aliasesRead_) {
            for (const TXMLCategoryType& cat : cats_)
                for (const TXMLUnitType& unit : cat.Units())
                    if (!Skipped(unit))
                        for (const std::string& word : SplitCommaText(unit.Alias()))
                            ++aliasCounts_[word];
            aliasesRead_ = true;
        }
        auto found = aliasCounts_.find(alias);
        return found == aliasCounts_.end() ? 0 : found->second;
    }

    void CheckKeywords(const TXMLUnitType& unit) {
        for (const std::string& word : SplitCommaText(unit.Kw())) {
            bool known = false;
            for (const std::string& keyword : keywords_)
                known = known || SameText(word, keyword);
            if (!known) {
                Add("Incorrect keyword(s)", unit);
                return;
            }
        }
    }

    void CheckConversion(const TXMLCategoryType& category, const TXMLUnitType& unit,
                         const TUnit& temporary) {
        switch (IndexOfText(unit.Type(), UnitTypes)) {
        case 0: {
            std::string inBaseUnits = unit.InBaseUnits();
            if (category.Type() == RootCatType && !inBaseUnits.empty() && inBaseUnits != "1" &&
                !temporary.HasBaseUnits(messages_))
                Add("Base units problem", unit);
            break;
        }
        case 1:
            if (std::isnan(temporary.Factor()))
                Add("Wrong conversion factor", unit);
            else if (temporary.Factor() == 0)
                Add("Conversion factor is zero", unit);
            else if (temporary.Factor() < 0)
                Add("Conversion factor is negative", unit);
            break;
        case 2:
            if (unit.RuleFrom().find('#') == std::string::npos)
                Add("\"Conversion rule from\" is incorrect", unit);
            if (unit.RuleTo().find('#') == std::string::npos)
                Add("\"Conversion rule to\" is incorrect", unit);
            if (category.Type() == SupCatType)
                Add("\"Rule type conversion is not allowed in sup. categories", unit);
            CheckRule("\"Conversion rule from\"", unit.RuleFrom(), unit);
            CheckRule("\"Conversion rule to\"", unit.RuleTo(), unit);
            break;
        default:
            Add("Unit type is wrong", unit);
        }
    }

    // A rule without "#" has had its message.
    void CheckRule(const std::string& which, const std::string& rule, const TXMLUnitType& unit) {
        if (rule.find('#') == std::string::npos)
            return;
        const std::string problem = RuleProblem(rule);
        if (!problem.empty())
            Add(which + " cannot be evaluated: " + problem, unit);
    }

    TPartnerPosition FindInRoots(const std::string& symbol) {
        return Partners().FindInRoots(symbol);
    }
    TPartnerPosition FindAny(const std::string& symbol) { return Partners().FindAny(symbol); }

    // Built at the first search, where a plain walk over the partners would
    // first read them.
    TUnitPartners& Partners() {
        if (!partners_)
            partners_ = std::make_unique<TUnitPartners>(cats_, enabledOnly_);
        return *partners_;
    }

    const TXMLUnitsDataType& root_;
    TValidationErrors& errors_;
    const bool enabledOnly_;
    TMessages& messages_;
    TValidationProgress& progress_;
    std::vector<std::string> keywords_;
    std::vector<TXMLCategoryType> cats_;
    std::unordered_map<std::string, int> catNames_; // upper-case name: count in cats_
    std::unique_ptr<TUnitPartners> partners_;
    std::unordered_map<std::string, size_t> aliasCounts_;
    bool aliasesRead_ = false;
};

} // namespace

void ValidateUnitsData(const TXMLUnitsDataType& root, TValidationErrors& errors, bool enabledOnly,
                       TMessages& messages, TValidationProgress* progress) {
    errors.clear();
    TNoProgress noProgress;
    TValidationProgress& reporter = progress ? *progress : noProgress;
    TProgressScope scope(reporter);
    TUnitsDataValidator(root, errors, enabledOnly, messages, reporter).Run();
}

} // namespace varnel
