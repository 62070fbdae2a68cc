#pragma once
// The report workbook as shipped: one worksheet "Vaporel" with the texts,
// styles, widths, heights and print settings of the report layout.

#include "report/workbook/byte_io.hpp"
#include "report/workbook/result.hpp"

namespace vaporel::xls {

// The template's Workbook stream (records only, before padding).
Bytes reportTemplateStream();
// The template as a complete .xls file.
Result<Bytes> reportTemplateFile();

}  // namespace vaporel::xls
