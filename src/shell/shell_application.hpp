#pragma once
// The application object of the desktop program. It lets the main window see
// mouse presses, Tab keys and shortcuts before Qt acts on them: the only point
// where a field check can still refuse a focus change before a clicked button
// goes down (focus-out events and focusChanged arrive after the move).

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
  EventInterceptor* interceptor_ = nullptr;
};

}  // namespace vaporel
