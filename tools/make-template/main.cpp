// make-template OUT.xls: writes the report workbook template.
#include <iostream>

#include "report/report_template.hpp"
#include "workbook/ole_container.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-template OUT.xls\n";
    return 2;
  }
  const auto file = vaporel::ReportTemplateFile();
  if (!file) {
    std::cerr << "make-template: " << file.error().message() << "\n";
    return 1;
  }
  const auto saved = vaporel::xls::WriteFileAtomically(argv[1], *file);
  if (!saved) {
    std::cerr << "make-template: " << saved.error().message() << "\n";
    return 1;
  }
  return 0;
}
