#pragma once
// What every handler of the main window works with: the controls, the desktop and the
// one conversion between texts and numbers. Handlers read what they need from the
// controls each time; nothing else is kept between events.

namespace vaporel {

class MainWindowModel;
class Platform;
class Numbers;

struct WindowContext {
  MainWindowModel& model;
  Platform& platform;
  const Numbers& numbers;
};

}  // namespace vaporel
