#pragma once
// Where an exception of a command handler stops. Qt's own frames are not exception-safe
// (an exception that unwinds through them leaks what they hold), so every handler the
// shell connects to a signal runs inside Command(): a failure it throws is shown as a
// message ("ERROR", critical icon) naming its cause, and the window goes on. The
// application object's notify() catches what still escapes elsewhere, as a last resort.

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

namespace vaporel {

// Shows "The command could not be completed: <cause>"; a failure while that message is
// open goes to the log instead of a second box.
void ShowUnexpectedFailure(const QString& cause);

// Runs `handler`, showing whatever it throws.
void RunCommand(const std::function<void()>& handler);

// A slot that runs `handler` through RunCommand, with the signal's arguments when it
// takes them (clicked(bool) may call a handler that takes none).
template <class Handler>
auto Command(Handler handler) {
  return [handler = std::move(handler)](const auto&... arguments) {
    RunCommand([&] {
      if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>) {
        handler(arguments...);
      } else {
        handler();
      }
    });
  };
}

}  // namespace vaporel
