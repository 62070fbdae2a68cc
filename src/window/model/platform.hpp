#pragma once
// What the window logic asks of the desktop. The Qt layer implements it; tests
// use a recording fake that keeps every call in order.

#include <string>
#include <string_view>

namespace vaporel {

enum class MessageIcon { Critical, Information };

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with one OK button; returns when it is closed.
  virtual void messageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  virtual void beep() = 0;
  // Show the model now (a long command would otherwise show its busy state only after it ends).
  virtual void repaint() = 0;
  // Per-user settings store: save one text value.
  virtual void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
  // Opens a document in the desktop's viewer; false when that failed.
  virtual bool openDocument(const std::string& path) = 0;
  // Ends the program at once: no unload handler runs.
  virtual void endProgram() = 0;
  // The folder of the executable.
  virtual std::string programFolder() = 0;
};

}  // namespace vaporel
