#pragma once

#include <functional>
#include <string>

namespace varnel {

// Message boxes raised from core code go through one process-wide sink: the
// converter window shows them in a box, the command-line tool prints them,
// tests record them.
using MessageSink = std::function<void(const std::string&)>;

void ShowMessage(const std::string& text);

// Installs a sink and returns the one it replaces. An empty sink drops
// messages.
MessageSink SetMessageSink(MessageSink sink);

} // namespace varnel
