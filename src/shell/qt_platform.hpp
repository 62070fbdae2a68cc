#pragma once
// The desktop services the window logic asks for, done with Qt.

#include <QString>
#include <QWidget>
#include <functional>

#include "window/model/platform.hpp"

namespace vaporel {

class QtPlatform : public Platform {
 public:
  struct Options {
    // What ending the program does; the default leaves the event loop at once.
    std::function<void()> endProgram;
    // The desktop's "open with the default viewer" command.
    QString opener = QStringLiteral("xdg-open");
  };

  QtPlatform();
  explicit QtPlatform(Options options);

  // The main window: parent of the message boxes; `render` shows the model on it.
  void attach(QWidget* window, std::function<void()> render);

  void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
  void beep() override;
  void repaint() override;
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override;
  bool openDocument(const std::string& path) override;
  void endProgram() override;
  std::string programFolder() override;

 private:
  Options options_;
  QWidget* window_ = nullptr;
  std::function<void()> render_;
};

}  // namespace vaporel
