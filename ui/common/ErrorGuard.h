#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace varnel {

// The message shown for an error that ends an event handler.
QString ErrorMessageOf(const std::exception& error);

// Runs an event handler; an error it raises is shown as an error message
// right there, so that it never unwinds through the toolkit's own code and
// the window stays usable.
void RunShowingErrors(const std::function<void()>& handler);

// Wraps a handler for connect(): the same handler, its errors shown. A
// handler without parameters ignores the signal's arguments.
template <typename Handler> auto ShowingErrors(Handler handler) {
    return [handler = std::move(handler)](auto&&... arguments) {
        RunShowingErrors([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(std::forward<decltype(arguments)>(arguments)...);
            else
                handler();
        });
    };
}

} // namespace varnel
