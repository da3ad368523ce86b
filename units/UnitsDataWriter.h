#pragma once

#include "units/UnitsData.h"

#include <string>
#include <vector>

namespace varnel {

// What the writer writes, in order: domains, each with its categories, each
// with its units. The editor passes what its tree shows.
struct TOutlineCategory {
    TXMLCategoryType Category;
    std::vector<TXMLUnitType> Units;
};

struct TOutlineDomain {
    TXMLDomainType Domain;
    std::vector<TOutlineCategory> Categories;
};

using TUnitsOutline = std::vector<TOutlineDomain>;

// Every domain, category and unit of a document, in document order.
TUnitsOutline UnitsOutlineOf(const TXMLUnitsDataType& root);

// The units data file text: CR LF after every line, except that the lines of
// one unit entry are joined by LF. Core units ("si-unit") are set enabled in
// the document before they are written. A missing or non-integer `enabled`
// raises EConvertError.
std::string UnitsDataText(const TXMLDescriptionType& description, const TUnitsOutline& outline);
std::string UnitsDataText(const TXMLUnitsDataType& root);

} // namespace varnel
