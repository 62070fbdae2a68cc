#pragma once
// Where an exception of a command handler stops. Qt's own frames are not exception-safe
// (an exception that unwinds through them leaks what they hold), so every handler the
// shell connects to a signal runs inside Command(): a failure it throws is shown as a
// message ("ERROR", critical icon) naming its cause, and the window goes on. The
// application object's notify() catches what still escapes elsewhere, as a last resort.

#include <QString>
#include <functional>
#include <utility>

namespace vaporel {

// Shows "The command could not be completed: <cause>"; a failure while that message is
// open goes to the log instead of a second box.
void ShowUnexpectedFailure(const QString& cause);

// Runs `handler`, showing whatever it throws.
void RunCommand(const std::function<void()>& handler);

// A slot without arguments that runs `handler` through RunCommand.
template <class Handler>
auto Command(Handler handler) {
  return [handler = std::move(handler)] { RunCommand(handler); };
}

}  // namespace vaporel
