#pragma once
// Where the report workbook lives: beside the program, or, when the program's
// folder cannot be written (a system-wide install), in the user's data folder,
// seeded there from the installed template on first use.

#include <string>

#include "report/report_texts.hpp"

namespace vaporel {

// The program's folder, where its data (the report template, the reference document)
// stands: beside the executable in a build tree, <prefix>/share/vaporel once installed.
// The one rule both programs follow: the executable's folder unless the template is
// missing there and present in the shared one.
std::string ProgramFolderFor(const std::string& executableFolder);
// The same for the running executable.
std::string ProgramFolder();

// The installed template (and the report of a writable install): the folder as the
// platform reports it with "/Vaporel.xls" appended.
std::string ProgramReportPath(const std::string& programFolder);

// The report path for a program folder that is or is not writable; `dataFolder` is the
// per-user data folder. Seeds the user's copy from the template when it does not exist yet
// (a missing template seeds nothing: opening the report then fails as usual).
std::string ReportPathFor(const std::string& programFolder, bool programFolderWritable, const std::string& dataFolder);

// ReportPathFor with the folder's real writability and QStandardPaths::AppDataLocation.
std::string ReportPath(const std::string& programFolder);

// Copies `from` to `to` through a temporary file beside `to`, so `to` is either the whole
// copy or unchanged. Overwrites an existing `to`. False on any failure.
bool CopyFileWhole(const std::string& from, const std::string& to);

}  // namespace vaporel
