#include "report/report_location.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "files/atomic_file.hpp"

namespace vaporel {

std::string ProgramFolderFor(const std::string& executableFolder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path folder(executableFolder);
  const fs::path shared = (folder / ".." / "share" / "vaporel").lexically_normal();
  if (!fs::exists(folder / kReportFileName, error) && fs::exists(shared / kReportFileName, error)) {
    return shared.string();
  }
  return executableFolder;
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : ProgramFolderFor(exe.parent_path().string());
}

std::string ProgramReportPath(const std::string& programFolder) { return programFolder + "/" + kReportFileName; }

std::string ReportPathFor(const std::string& programFolder, bool programFolderWritable, const std::string& dataFolder) {
  std::string installed = ProgramReportPath(programFolder);
  if (programFolderWritable) return installed;

  std::string own = dataFolder + "/" + kReportFileName;
  if (!QFileInfo::exists(QString::fromStdString(own))) {
    QDir().mkpath(QString::fromStdString(dataFolder));
    CopyFileWhole(installed, own);
  }
  return own;
}

std::string ReportPath(const std::string& programFolder) {
  const QFileInfo folder(QString::fromStdString(programFolder));
  const bool writable = folder.isDir() && folder.isWritable();
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return ReportPathFor(programFolder, writable, data.toStdString());
}

bool CopyFileWhole(const std::string& from, const std::string& to) {
  QFile source(QString::fromStdString(from));
  if (!source.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return false;
  return !WriteFileAtomically(to, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vaporel
