#include "engine/ParserErrors.h"

namespace varnel {

namespace {

const std::string kSyntaxErrorHead = "Error parsing expression:\r";

} // namespace

ESyntaxError::ESyntaxError(const std::string& term) : EMathParserError(kSyntaxErrorHead + term) {}

ESyntaxError::ESyntaxError(const std::string& leftPart, const std::string& rightPart)
    : EMathParserError(kSyntaxErrorHead + leftPart + "\r" + rightPart) {}

} // namespace varnel
