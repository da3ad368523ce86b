#pragma once

#include "common/Exception.h"

#include <string>

namespace varnel {

// The errors of compiling an expression.
class EMathParserError : public Exception {
public:
    using Exception::Exception;
};

// A term fits no form. The message names the term, or the two parts of the
// last split that was tried.
class ESyntaxError : public EMathParserError {
public:
    explicit ESyntaxError(const std::string& term);
    ESyntaxError(const std::string& leftPart, const std::string& rightPart);
};

class EExpressionHasBlanks : public EMathParserError {
public:
    EExpressionHasBlanks() : EMathParserError("Expression has blanks") {}
};

class EExpressionTooComplex : public EMathParserError {
public:
    EExpressionTooComplex() : EMathParserError("Expression is too complex") {}
};

class ETooManyNestings : public EMathParserError {
public:
    ETooManyNestings() : EMathParserError("Expression contains too many nestings") {}
};

class EMissMatchingBracket : public EMathParserError {
public:
    EMissMatchingBracket() : EMathParserError("Missing brackets in expression") {}
};

class EParserInternalError : public EMathParserError {
public:
    EParserInternalError() : EMathParserError("TParser internal error") {}
};

} // namespace varnel
