#include "engine/GlobalParser.h"

#include "engine/Random.h"

namespace varnel {

TParser& GlobalParser() {
    static TParser parser = [] {
        RandomUniform(); // the generator's seed is taken now, at start-up
        return TParser();
    }();
    return parser;
}

} // namespace varnel
