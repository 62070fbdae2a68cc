#pragma once
// Edits of a worksheet's cell table, done on its list of records: find a cell,
// replace it (splitting MULBLANK/MULRK, dropping a formula's STRING), insert a
// new one, and recompute INDEX/DBCELL positions before writing.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

#include "workbook/cell_ref.hpp"
#include "workbook/records.hpp"

namespace vaporel::xls {

struct NotEditable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Indices of the records that belong to the sheet itself, not to a substream
// nested in it (an embedded chart).
std::vector<std::size_t> TopLevelRecords(const std::vector<Record>& records);

// The record holding the cell, if any.
std::optional<std::size_t> FindCellRecord(const std::vector<Record>& records, CellRef ref);

// The XF of `col` inside a cell record (MULBLANK/MULRK hold one per column).
std::uint16_t CellXf(const Record& cell, std::uint16_t col);

// The XF a cell without record shows: its row's, else its column's, else 15.
std::uint16_t DefaultXf(const std::vector<Record>& records, CellRef ref);

// Replaces the cell at `ref` held by records[index] with `replacement`.
// Throws NotEditable for a cell of a shared or array formula.
void ReplaceCell(std::vector<Record>& records, std::size_t index, CellRef ref, Record replacement);

// Adds a cell that had no record, with its ROW record if the row had none, and
// widens DIMENSIONS and the ROW's column span. INDEX and DBCELL are removed:
// after an insertion their row blocks no longer hold.
void InsertCell(std::vector<Record>& records, CellRef ref, Record cell);

// Rewrites INDEX and DBCELL for a sheet whose BOF will be at `start`.
void RefreshIndex(std::vector<Record>& records, std::size_t start);

}  // namespace vaporel::xls
