#include "engine/OpList.h"

namespace varnel {

TOpList::TOpList(std::size_t opCount, std::size_t cellCount)
    : ops_(new TParserOp[opCount]), cells_(new double[cellCount]()), opCount_(opCount),
      cellCount_(cellCount) {
    for (std::size_t i = 0; i + 1 < opCount; ++i)
        ops_[i].Next = &ops_[i + 1];
}

} // namespace varnel
