#include "common/Messages.h"

#include <iostream>

namespace varnel {

namespace {

MessageSink& CurrentSink() {
    static MessageSink sink = [](const std::string& text) { std::cerr << text << '\n'; };
    return sink;
}

} // namespace

void ShowMessage(const std::string& text) {
    if (CurrentSink())
        CurrentSink()(text);
}

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink previous = std::move(CurrentSink());
    CurrentSink() = std::move(sink);
    return previous;
}

} // namespace varnel
