#include <algorithm>
#include <vector>

#include "batch/project_mode.hpp"
#include "batch/text_width.hpp"
#include "project/project_figures.hpp"

namespace vaporel {
namespace {

using Row = std::vector<std::string>;

// Columns padded to their widest cell, as a terminal shows them: the first left-aligned, the
// others right-aligned.
std::string Aligned(const std::vector<Row>& rows) {
  std::vector<std::size_t> widths;
  for (const Row& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(row[i]));
  }
  std::string out;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string pad(widths[i] - DisplayWidth(row[i]), ' ');
      line += i == 0 ? row[i] + pad : "  " + pad + row[i];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + '\n';
  }
  return out;
}

std::vector<Row> Rows(const TextTable& table) {
  std::vector<Row> rows = {table.header};
  rows.insert(rows.end(), table.rows.begin(), table.rows.end());
  return rows;
}

}  // namespace

std::string ProjectTables(const SolvedProject& project, const Numbers& numbers, UnitSystem units) {
  // SI tables keep the header they always had; IP ones say their units under it.
  std::string out = Aligned(Rows(StatesTable(project, numbers, units, units != UnitSystem::SI)));
  if (project.processes.empty()) return out;
  out += '\n' + Aligned(Rows(ProcessesTable(project, numbers, units)));
  for (std::size_t i = 0; i < project.processes.size(); ++i) {
    for (const std::string& warning : project.processes[i].warnings) {
      out += "warning: process " + std::to_string(i + 1) + " (" + std::string(ProcessKey(project.processes[i].kind)) +
             "): " + warning + '\n';
    }
  }
  return out;
}

}  // namespace vaporel
