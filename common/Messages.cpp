#include "common/Messages.h"

namespace varnel {

void AppendMessages(TMessages& messages, const TMessages& more) {
    messages.insert(messages.end(), more.begin(), more.end());
}

} // namespace varnel
