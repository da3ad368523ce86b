#pragma once

#include "engine/ParserOp.h"

#include <cstddef>
#include <memory>

namespace varnel {

// A compiled program: its operations, linked in running order, and the cells
// of its constants and intermediate results. Variable cells belong to the
// parser and are only referred to. Empty when there is no program.
class TOpList {
public:
    TOpList() = default;
    TOpList(std::size_t opCount, std::size_t cellCount);

    bool Empty() const { return opCount_ == 0; }
    explicit operator bool() const { return !Empty(); }

    // The first operation, or none; the operations are linked through Next.
    TParserOp* First() const { return opCount_ ? &ops_[0] : nullptr; }
    // The operation whose result cell holds the value of the whole expression.

    TParserOp& Op(std::size_t index) { return ops_[index]; }
    double* Cell(std::size_t index) { return &cells_[index]; }

private:
    std::unique_ptr<TParserOp[]> ops_;
    std::unique_ptr<double[]> cells_;
    std::size_t opCount_ = 0;
    std::size_t cellCount_ = 0;
};

} // namespace varnel
