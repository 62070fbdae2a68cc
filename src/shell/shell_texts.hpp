#pragma once
// The desktop windows' own texts: titles, captions and messages, character for character.
// They are the program's words as users, manuals and transcripts know them, misspellings
// included ("successfuly saved fo file"): tests pin them, and none is to be "corrected".

namespace vaporel {

// Message box titles.
inline constexpr const char* kErrorTitle = "ERROR";
inline constexpr const char* kInformationTitle = "Information";

// Form2, the report window.
inline constexpr const char* kReportSaveButton = "Save to excel file";
inline constexpr const char* kReportSaveTitle = "Save to file";
inline constexpr const char* kReportSaveFileName = "Rodazire5_Vaporel.xls";
inline constexpr const char* kReportSaveFilter = "Microsoft Excel (*.xls)";
inline constexpr const char* kReportSavedMessage = "Report successfuly saved fo file!";
inline constexpr const char* kNoPrinterMessage = "No printer is available. The report was not printed.";
inline constexpr const char* kPrintFailedMessage = "The report could not be printed.";

// The chart window.
inline constexpr const char* kChartWindowTitle = "Psychrometric chart";
inline constexpr const char* kChartStyleNames[] = {"Psychrometric chart", "Mollier h-x diagram"};
inline constexpr const char* kChartSaveButton = "Save as…";
inline constexpr const char* kChartSaveTitle = "Save chart";
inline constexpr const char* kChartSaveFileName = "Vaporel_chart.png";
inline constexpr const char* kChartSaveFilter = "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";
inline constexpr const char* kChartSaveFailed = "The chart could not be saved: ";
inline constexpr const char* kChartNoPrinterMessage = "No printer is available. The chart was not printed.";
inline constexpr const char* kChartPrintFailedMessage = "The chart could not be printed.";

// Any command: a failure that escaped its handler, followed by the failure's own text.
inline constexpr const char* kUnexpectedFailureMessage = "The command could not be completed: ";

}  // namespace vaporel
