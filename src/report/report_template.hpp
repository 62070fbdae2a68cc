#pragma once
// The report workbook as shipped: one worksheet "Vaporel" with the texts,
// styles, widths, heights and print settings of the report layout (the cells the
// report writes are kReportCells, beside it in this folder).

#include "workbook/byte_io.hpp"
#include "workbook/result.hpp"

namespace vaporel {

// The template's Workbook stream (records only, before padding).
xls::Bytes ReportTemplateStream();
// The template as a complete .xls file.
xls::Result<xls::Bytes> ReportTemplateFile();

}  // namespace vaporel
