#include "common/TextFile.h"
#include "support/TestSupport.h"
#include "units/Cats.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

enum class Outcome { Message, ConvertError, Error, Loads };

struct BadInput {
    const char* name;
    std::string text;
    Outcome outcome;
    std::string expectedError; // the exact text, or empty when only the kind matters
};

std::string Truncated() {
    std::string text = ReadTextFile(test::FixturePath("units_model.unt"));
    return text.substr(0, text.size() / 2);
}

std::string DeeplyNested(int depth) {
    std::string open;
    std::string close;
    for (int i = 0; i < depth; ++i) {
        open += "<category>";
        close += "</category>";
    }
    return "<UnitsData>" + open + close + "</UnitsData>";
}

std::string HugeSymbol(const std::string& categoryType, const std::string& symbol) {
    return "<UnitsData><domain name=\"d\" enabled=\"1\">"
           "<category name=\"Length\" type=\"root\" enabled=\"1\">"
           "<unit name=\"metre\" type=\"si-unit\" enabled=\"1\" symbol=\"m\"/></category>"
           "<category name=\"c\" type=\"" +
           categoryType +
           "\" enabled=\"1\"><unit name=\"u\" type=\"si-unit\" enabled=\"1\" symbol=\"" + symbol +
           "\"/></category></domain></UnitsData>";
}

std::string Repeated(const std::string& piece, size_t bytes) {
    std::string text;
    while (text.size() < bytes)
        text += piece;
    return text;
}

TEST(BadUnitsData, EachEndsInItsErrorOrMessage) {
    const BadInput rows[] = {
        {"not XML", "this is not a units file", Outcome::Message, ""},
        {"binary bytes", std::string("\x00\x01\xFF<", 4), Outcome::Message, ""},
        {"truncated file", Truncated(), Outcome::Message, ""},
        {"wrong root", "<XML_DIZ_INFO><domain/></XML_DIZ_INFO>", Outcome::Error,
         "The document element is \"XML_DIZ_INFO\" instead of \"UnitsData\": this is not a "
         "units data file."},
        {"domain without enabled", "<UnitsData><domain name=\"d\"/></UnitsData>",
         Outcome::ConvertError, "'' is not a valid integer value"},
        {"category with empty enabled",
         "<UnitsData><domain enabled=\"1\"><category enabled=\"\"/></domain></UnitsData>",
         Outcome::ConvertError, "'' is not a valid integer value"},
        {"unit with enabled true",
         "<UnitsData><domain enabled=\"1\"><category enabled=\"1\"><unit enabled=\"true\"/>"
         "</category></domain></UnitsData>",
         Outcome::ConvertError, "'true' is not a valid integer value"},
        {"1 MB symbol in a root category", HugeSymbol("root", std::string(1 << 20, 'x')),
         Outcome::Loads, ""},
        {"1 MB symbol of many units in a sup category", HugeSymbol("sup", Repeated("m.", 1 << 20)),
         Outcome::Error, "No units in sup. category"},
        {"1 MB symbol word in a sup category", HugeSymbol("sup", std::string(1 << 20, 'x')),
         Outcome::Error, "No known units in sup. category(3)"},
        {"deeply nested elements", DeeplyNested(100000), Outcome::Loads, ""},
        {"deeply nested and unclosed", DeeplyNested(100000).substr(0, 1000000), Outcome::Message,
         ""},
    };
    for (const BadInput& row : rows) {
        TMessages messages;
        TCats cats;
        Outcome outcome = Outcome::Loads;
        std::string error;
        try {
            AppendMessages(messages, cats.LoadFromText(row.text));
            if (!messages.empty())
                outcome = Outcome::Message;
        } catch (const EConvertError& e) {
            outcome = Outcome::ConvertError;
            error = e.Message();
        } catch (const Exception& e) {
            outcome = Outcome::Error;
            error = e.Message();
        }
        EXPECT_EQ(outcome, row.outcome) << row.name << ": " << error;
        if (!row.expectedError.empty()) {
            EXPECT_EQ(error, row.expectedError) << row.name;
        }
        if (row.outcome == Outcome::Message) {
            EXPECT_EQ(messages.size(), 1u) << row.name;
            EXPECT_FALSE(cats.Root()) << row.name;
            EXPECT_EQ(cats.CatCount(), 0) << row.name;
        }
    }
}

} // namespace
} // namespace varnel
