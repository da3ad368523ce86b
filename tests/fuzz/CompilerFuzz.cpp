// Feeds arbitrary bytes to the parser: nothing may crash, hang or leak, and
// the compiler must agree with itself with and without shortcuts and, on
// short texts, with the literal compiler.

#include "NaiveCompiler.h"

#include "engine/ExpressionCompiler.h"
#include "engine/Parser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace varnel;

std::string Outcome(TExpressionCompiler& compiler, const TParser& parser, const std::string& text) {
    try {
        TOpList program = compiler.Compile(text, parser.VariableTable(), parser.Function1Table(),
                                           parser.Function2Table(), true);
        return test::ProgramListing(program, parser.VariableTable());
    } catch (const Exception& error) {
        return "error: " + error.Message();
    }
}

[[noreturn]] void Disagree(const std::string& text, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "outcomes differ for [%s]:\n%s\n---\n%s\n", text.c_str(), a.c_str(),
                 b.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TParser parser;
    static TExpressionCompiler plain;
    static TExpressionCompiler shortcut;
    plain.SetShortcuts(TShortcuts::Never);
    shortcut.SetShortcuts(TShortcuts::Always);
    const std::string text(reinterpret_cast<const char*>(data), size);

    try {
        parser.SetExpression(text);
        parser.Value();
    } catch (const Exception&) {
    }

    const std::string withShortcuts = Outcome(shortcut, parser, text);
    if (size > 400)
        return 0;
    const std::string without = Outcome(plain, parser, text);
    if (without != withShortcuts)
        Disagree(text, without, withShortcuts);
    if (size <= 48) {
        const std::string naive = test::NaiveCompile(
            text, parser.VariableTable(), parser.Function1Table(), parser.Function2Table(), 20000);
        if (naive != "too expensive" && naive != without)
            Disagree(text, naive, without);
    }
    return 0;
}
