#pragma once
// The application object of the desktop program. It lets the main window see
// mouse presses, Tab keys and shortcuts before Qt acts on them: the only point
// where a field check can still refuse a focus change before a clicked button
// goes down (focus-out events and focusChanged arrive after the move).
//
// Every event passes notify(), so it is also the last place an exception stops: one
// that escaped a handler (handlers run inside Command(), see command_guard.hpp) is shown
// as a message and the event counts as handled, instead of ending the program through
// Qt's event loop, which cannot carry exceptions.

#include <QApplication>

namespace vaporel {

class EventInterceptor {
 public:
  virtual ~EventInterceptor() = default;
  // True swallows the event.
  virtual bool intercept(QObject* receiver, QEvent* event) = 0;
};

class ShellApplication : public QApplication {
 public:
  ShellApplication(int& argc, char** argv);

  void setInterceptor(EventInterceptor* interceptor) { interceptor_ = interceptor; }
  EventInterceptor* interceptor() const { return interceptor_; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool dispatch(QObject* receiver, QEvent* event);

  EventInterceptor* interceptor_ = nullptr;
};

}  // namespace vaporel
