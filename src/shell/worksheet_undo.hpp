#pragma once
// The worksheet as the undo stack keeps it: each edit one step holding the worksheet before
// and after it, the worksheet shown whenever a step is done, undone or redone.

#include <QString>
#include <functional>

#include "window/worksheet/worksheet.hpp"

class QObject;
class QUndoStack;

namespace vaporel {

class WorksheetUndo {
 public:
  // `show` is called with the worksheet each time it changes.
  WorksheetUndo(QObject* parent, std::function<void(const Worksheet&)> show);

  const Worksheet& sheet() const { return sheet_; }
  QUndoStack* stack() const { return stack_; }
  bool isModified() const;
  void setClean();

  // The change tried on a copy: its refusal, or the step pushed (and the worksheet shown).
  EditRefusal edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change);
  // A worksheet opened from a file: shown, with nothing to undo.
  void reset(const Worksheet& sheet);
  // Shown as a step leaves it.
  void show(const Worksheet& sheet);

 private:
  QUndoStack* stack_;
  Worksheet sheet_;
  std::function<void(const Worksheet&)> show_;
};

}  // namespace vaporel
