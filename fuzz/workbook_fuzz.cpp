// Any bytes as a workbook: opened, every reading function called on every sheet, the
// report's 18 cells written, saved, reopened. Either a clean refusal, or a file that
// reopens with every cell as written (and so with every cell format index valid: the
// module refuses a file that names a format it lacks). An exception that leaves the
// module ends the run as a finding.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "workbook/workbook.hpp"

namespace {

const char* const kCells[] = {"A5",  "A6",  "B4",  "B5",  "B6",  "B9",  "B10", "B11", "B12",
                              "B13", "B14", "B15", "B16", "B17", "B20", "B21", "B22", "B23"};
const char* const kTexts[] = {"Dry bulb temperature [oC] ",
                              "Relative humidity [%]",
                              "1.01325",
                              "20",
                              "50",
                              "1.013",
                              "20.00",
                              "13.73",
                              "9.27",
                              "0.00725",
                              "1.1987",
                              "38.49",
                              "0.01168",
                              "50.0",
                              "1.0189",
                              "0.025976",
                              "1.803E-05",
                              "0.702"};

// What the report window and the printer ask of any workbook they are shown.
void readEverything(const vaporel::xls::Workbook& book) {
  using namespace vaporel::xls;
  for (std::size_t i = 0; i <= book.sheetNames().size(); ++i) {
    (void)book.sheetAt(i);
    (void)book.cell(i, "B4");
    (void)book.view(i, CellRange{0, 22, 0, 1});
    (void)book.printArea(i);
    (void)book.usedRange(i);
  }
  (void)book.streamBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vaporel::xls;
  auto book = Workbook::fromFileBytes(Bytes(data, data + size));
  if (!book) return 0;  // refused: nothing to write
  readEverything(*book);
  const auto sheet = book->sheetByName("Vaporel");
  if (!sheet) return 0;
  for (std::size_t i = 0; i < 18; ++i) {
    if (!book->setCell(*sheet, kCells[i], kTexts[i])) return 0;  // e.g. a cell of a shared formula
  }
  const auto saved = book->fileBytes();
  if (!saved) return 0;
  const auto again = Workbook::fromFileBytes(*saved);
  if (!again) std::abort();  // the module wrote a file it refuses itself
  const auto sheetAgain = again->sheetByName("Vaporel");
  if (!sheetAgain) std::abort();
  for (std::size_t i = 0; i < 18; ++i) {
    const auto cell = again->cell(*sheetAgain, kCells[i]);
    if (!cell) std::abort();
    const std::string& want = kTexts[i];
    const bool number = want.find_first_not_of("0123456789.E-") == std::string::npos;
    if (number ? (cell->value.kind != CellKind::Number || cell->value.number != std::strtod(want.c_str(), nullptr))
               : (cell->value.kind != CellKind::Text || cell->value.text != want)) {
      std::abort();
    }
  }
  return 0;
}
