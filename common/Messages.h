#pragma once

#include <string>
#include <vector>

namespace varnel {

// What a core operation has to tell the user, in the order it arose. The core
// shows nothing itself: the converter window puts these texts in message
// boxes, the command-line tool prints them.
using TMessages = std::vector<std::string>;

// Appends the texts of `more` to `messages`.
void AppendMessages(TMessages& messages, const TMessages& more);

} // namespace varnel
