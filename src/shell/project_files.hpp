#pragma once
// The worksheet's project file: opened in place of the worksheet, saved whole or not at all
// (rewriting only what was edited), saved under another name, and the question asked before
// unsaved changes would be lost. It names the file for the window's title.

#include <QString>
#include <functional>

#include "project/project.hpp"
#include "shell/worksheet_services.hpp"
#include "shell/worksheet_undo.hpp"

class QWidget;

namespace vaporel {

class ProjectFiles {
 public:
  // `opened` is told of each project opened, before it is shown; `changed` of each change of
  // the file's name or of its saved state.
  ProjectFiles(QWidget* parent, WorksheetUndo& undo, const WorksheetServices& services,
               std::function<void(const Project&)> opened, std::function<void()> changed);

  const QString& path() const { return path_; }
  bool isModified() const { return undo_.isModified(); }
  // "Psychrometric chart - office.vaporel.toml *".
  QString title() const;

  void open();
  // A project file opened in place of the worksheet; false, the worksheet unchanged and the
  // cause shown, when it cannot be read or solved.
  bool openFile(const QString& path);
  bool save();  // false when not saved (cancelled or failed)
  bool saveAs();
  // Unsaved changes saved, dropped or kept (false: the user went back).
  bool settleUnsaved();

 private:
  QWidget* parent_;
  WorksheetUndo& undo_;
  const WorksheetServices& services_;
  std::function<void(const Project&)> opened_;
  std::function<void()> changed_;
  QString path_;
};

}  // namespace vaporel
