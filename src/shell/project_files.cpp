#include "shell/project_files.hpp"

#include <QFileInfo>
#include <QSettings>

#include "project/project_file.hpp"
#include "project/project_writer.hpp"
#include "shell/error_box.hpp"
#include "shell/report_window.hpp"
#include "shell/shell_texts.hpp"

namespace vaporel {
namespace {

QString LastProjectFolder() {
  return QSettings().value(QStringLiteral("Chart/ProjectFolder"), DesktopFolder()).toString();
}

void RememberFolder(const QString& path) {
  QSettings().setValue(QStringLiteral("Chart/ProjectFolder"), QFileInfo(path).absolutePath());
}

}  // namespace

ProjectFiles::ProjectFiles(QWidget* parent, WorksheetUndo& undo, const WorksheetServices& services,
                           std::function<void(const Project&)> opened, std::function<void()> changed)
    : parent_(parent), undo_(undo), services_(services), opened_(std::move(opened)), changed_(std::move(changed)) {}

QString ProjectFiles::title() const {
  QString title = QString::fromUtf8(kChartWindowTitle);
  if (!path_.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(path_).fileName();
  if (isModified()) title += QStringLiteral(" *");
  return title;
}

bool ProjectFiles::settleUnsaved() {
  if (!isModified() || !services_.askUnsaved) return true;
  switch (services_.askUnsaved(parent_)) {
    case UnsavedAnswer::Save: return save();
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: break;
  }
  return false;
}

void ProjectFiles::open() {
  if (!settleUnsaved() || !services_.chooseProject) return;
  if (const auto path = services_.chooseProject(parent_, LastProjectFolder())) openFile(*path);
}

bool ProjectFiles::openFile(const QString& path) {
  const auto read = ReadProjectFile(path.toStdString());
  if (const auto* error = std::get_if<ProjectError>(&read)) {
    ShowError(parent_, QString::fromStdString(error->message()));
    return false;
  }
  const Project& project = std::get<Project>(read);
  Worksheet opened;
  if (opened.load(project)) {
    // Said under the file's name, so that the message names the file and the line.
    ProjectError error = *opened.lastError();
    error.file = path.toStdString();
    ShowError(parent_, QString::fromStdString(error.message()));
    return false;
  }
  path_ = path;
  RememberFolder(path);
  if (opened_) opened_(project);
  undo_.reset(opened);
  if (changed_) changed_();
  return true;
}

bool ProjectFiles::save() {
  if (path_.isEmpty()) return saveAs();
  if (const auto failure = SaveProject(path_.toStdString(), undo_.sheet().project())) {
    ShowError(parent_, QStringLiteral("The project could not be saved: ") + QString::fromStdString(*failure));
    return false;
  }
  undo_.setClean();
  if (changed_) changed_();
  return true;
}

bool ProjectFiles::saveAs() {
  if (!services_.chooseProjectTarget) return false;
  const QString suggested = path_.isEmpty() ? LastProjectFolder() + QStringLiteral("/project.vaporel.toml") : path_;
  const auto target = services_.chooseProjectTarget(parent_, suggested);
  if (!target) return false;
  const QString previous = path_;
  path_ = *target;
  if (!save()) {
    path_ = previous;
    if (changed_) changed_();
    return false;
  }
  RememberFolder(path_);
  return true;
}

}  // namespace vaporel
