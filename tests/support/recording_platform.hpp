#pragma once
// A desktop that keeps every call the window logic makes, in order, and answers as the
// test says. Message boxes return at once, as if the user pressed OK.

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "window/model/platform.hpp"

namespace vaporel::testing {

struct MessageBoxCall {
  std::string text;
  std::string title;
  MessageIcon icon;
  friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
};

class RecordingPlatform : public Platform {
 public:
  // Every call as one line: "message Error critical: <text>", "beep", "repaint",
  // "save Vaporel/Settings/MainLeft=1200", "open <path>", "end".
  std::vector<std::string> calls;
  std::vector<MessageBoxCall> messages;

  // Answers.
  bool documentOpens = true;
  std::string folder = ".";
  // Told every call as it is recorded, to look at the window at that moment.
  std::function<void(const std::string& call)> observe;

  void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(title), icon});
    note("message " + std::string(title) + (icon == MessageIcon::Critical ? " critical: " : " information: ") +
         std::string(text));
  }
  void beep() override { note("beep"); }
  void repaint() override { note("repaint"); }
  void saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) override {
    note("save " + std::string(application) + "/" + std::string(section) + "/" + std::string(key) + "=" +
         std::string(value));
  }
  bool openDocument(const std::string& path) override {
    note("open " + path);
    return documentOpens;
  }
  void endProgram() override { note("end"); }
  std::string programFolder() override { return folder; }

  long beeps() const { return std::count(calls.begin(), calls.end(), "beep"); }
  void clear() {
    calls.clear();
    messages.clear();
  }

 private:
  void note(std::string call) {
    calls.push_back(std::move(call));
    if (observe) observe(calls.back());
  }
};

}  // namespace vaporel::testing
