#pragma once
// frmMain on the desktop: renders the window model after every handler and turns
// user input into calls of the window logic. It holds no rule of its own.

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shell_application.hpp"
#include "shell/twips.hpp"
#include "shell/window_layout.hpp"
#include "window/main_window_logic.hpp"

class QAction;
class QLabel;

namespace vaporel {

class ChartWindow;

class MainWindow : public QMainWindow, public EventInterceptor {
 public:
  explicit MainWindow(MainWindowLogic& logic, Twips twips = Twips());
  ~MainWindow() override;

  // The window's load (the logic selects the first pair and focuses the selector),
  // then shown centred on the screen.
  void start();
  // Shows the model: captions, texts, visibility, enabled state, colours, focus, pointer.
  void render();

  // The widget of a control by its name ("Text2", "l7", "Frame2"); nullptr if unknown.
  QWidget* control(std::string_view name) const;
  // A menu command by its name ("dok", "ie", "exit").
  QAction* menuCommand(std::string_view name) const;
  // "Chart", between "Source" and "Exit": opens the chart window, or raises it.
  QAction* chartCommand() const { return chartCommand_; }
  ChartWindow* chartWindow() const { return chart_.get(); }
  void openChart();

  // A window the program opened beside this one. Closing the main window unloads
  // these first, the last opened first.
  void adoptWindow(QWidget* window);

  bool intercept(QObject* receiver, QEvent* event) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Entry {
    ControlKind kind;
    QWidget* widget;
  };

  void buildControls();
  QWidget* createControl(const ControlLayout& layout, QWidget* parent);
  void buildMenus();
  void renderControl(const Entry& entry, const Control& control);
  void renderFocus();
  void renderPointer();

  std::string focusableNameOf(QObject* receiver) const;
  bool requestFocus(const std::string& target, Qt::FocusReason reason);
  bool interceptPress(QObject* receiver);
  bool interceptTab(QObject* receiver, bool backwards);
  void unloadOtherWindows();
  WindowPlacement placement() const;

  MainWindowLogic& logic_;
  Twips twips_;
  std::map<std::string, Entry, std::less<>> controls_;
  std::map<std::string, QAction*, std::less<>> menus_;
  QLabel* statusText_ = nullptr;
  QAction* chartCommand_ = nullptr;
  std::unique_ptr<ChartWindow> chart_;
  std::vector<QPointer<QWidget>> otherWindows_;
  bool checking_ = false;  // a focus check runs: its message box must not start another
  bool unloaded_ = false;
  bool pointerBusy_ = false;
  // How the next focus move came about: a Tab shows the keyboard focus frame, a click does not.
  Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
};

}  // namespace vaporel
