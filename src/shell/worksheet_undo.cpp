#include "shell/worksheet_undo.hpp"

#include <QUndoStack>

namespace vaporel {
namespace {

// One edit of the worksheet: the worksheet before and after it.
class WorksheetEdit : public QUndoCommand {
 public:
  WorksheetEdit(WorksheetUndo* undo, const QString& what, Worksheet before, Worksheet after)
      : QUndoCommand(what), undo_(undo), before_(std::move(before)), after_(std::move(after)) {}
  void redo() override { undo_->show(after_); }
  void undo() override { undo_->show(before_); }

 private:
  WorksheetUndo* undo_;
  Worksheet before_, after_;
};

}  // namespace

WorksheetUndo::WorksheetUndo(QObject* parent, std::function<void(const Worksheet&)> show)
    : stack_(new QUndoStack(parent)), show_(std::move(show)) {}

bool WorksheetUndo::isModified() const { return !stack_->isClean(); }

void WorksheetUndo::setClean() { stack_->setClean(); }

EditRefusal WorksheetUndo::edit(const QString& what, const std::function<EditRefusal(Worksheet&)>& change) {
  Worksheet trial = sheet_;
  if (EditRefusal refusal = change(trial)) return refusal;
  stack_->push(new WorksheetEdit(this, what, sheet_, std::move(trial)));
  return std::nullopt;
}

void WorksheetUndo::reset(const Worksheet& sheet) {
  stack_->clear();
  show(sheet);
}

void WorksheetUndo::show(const Worksheet& sheet) {
  sheet_ = sheet;
  if (show_) show_(sheet_);
}

}  // namespace vaporel
