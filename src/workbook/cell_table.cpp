#include "workbook/cell_table.hpp"

#include <algorithm>

#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"

namespace vaporel::xls {

namespace {

// The part of a multi-cell record from column `from` to `to` (inclusive), as the
// smallest record that holds it: a single BLANK/RK for one column.
Record MultiCellPart(const Record& r, std::uint16_t from, std::uint16_t to) {
  if (r.id == rid::MulBlank) {
    const MulBlank m = ReadMulBlank(r);
    if (from == to) return WriteBlank({m.row, from, m.xfs.at(from - m.firstCol)});
    MulBlank part{m.row, from, {m.xfs.begin() + (from - m.firstCol), m.xfs.begin() + (to - m.firstCol) + 1}};
    return WriteMulBlank(part);
  }
  const MulRk m = ReadMulRk(r);
  if (from == to) return WriteRk({m.row, from, m.cells.at(from - m.firstCol)});
  MulRk part{m.row, from, {m.cells.begin() + (from - m.firstCol), m.cells.begin() + (to - m.firstCol) + 1}};
  return WriteMulRk(part);
}

bool IsRowBlockRecord(std::uint16_t id) { return id == rid::Index || id == rid::DbCell; }

// Where a new cell's neighbours stand among the top-level records.
struct Landmarks {
  std::optional<std::size_t> rowAt;           // the cell's own ROW record
  std::optional<std::size_t> lastRowBefore;   // the last ROW record of an earlier row
  std::optional<std::size_t> firstRowRecord;  // the first ROW record
  std::optional<std::size_t> dimensionsAt;
  std::optional<std::size_t> firstCell;
};

Landmarks FindLandmarks(const std::vector<Record>& records, CellRef ref) {
  Landmarks marks;
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    if (r.id == rid::Row) {
      const RowInfo row = ReadRow(r);
      if (row.row == ref.row) marks.rowAt = i;
      if (row.row < ref.row) marks.lastRowBefore = i;
      if (!marks.firstRowRecord) marks.firstRowRecord = i;
    } else if (r.id == rid::Dimensions) {
      marks.dimensionsAt = i;
    } else if (IsCellRecord(r.id) && !marks.firstCell) {
      marks.firstCell = i;
    }
  }
  return marks;
}

// DIMENSIONS widened to hold `ref`.
void WidenDimensions(Record& dimensions, CellRef ref) {
  Dimensions dim = ReadDimensions(dimensions);
  const bool emptySheet = dim.lastRowPlus1 <= dim.firstRow || dim.lastColPlus1 <= dim.firstCol;
  if (emptySheet) {
    dim = {ref.row, ref.row + 1u, ref.col, static_cast<std::uint16_t>(ref.col + 1)};
  } else {
    dim.firstRow = std::min<std::uint32_t>(dim.firstRow, ref.row);
    dim.lastRowPlus1 = std::max<std::uint32_t>(dim.lastRowPlus1, ref.row + 1u);
    dim.firstCol = std::min(dim.firstCol, ref.col);
    dim.lastColPlus1 = std::max(dim.lastColPlus1, static_cast<std::uint16_t>(ref.col + 1));
  }
  dimensions = WriteDimensions(dim);
}

// The ROW record of `ref`'s row: widened, or added in row order.
void PlaceRow(std::vector<Record>& records, CellRef ref, const Landmarks& marks) {
  if (marks.rowAt) {
    RowInfo row = ReadRow(records[*marks.rowAt]);
    row.firstCol = std::min(row.firstCol, ref.col);
    row.lastColPlus1 = std::max(row.lastColPlus1, static_cast<std::uint16_t>(ref.col + 1));
    records[*marks.rowAt] = WriteRow(row);
    return;
  }
  RowInfo row;
  row.row = ref.row;
  row.firstCol = ref.col;
  row.lastColPlus1 = static_cast<std::uint16_t>(ref.col + 1);
  for (std::size_t i : TopLevelRecords(records)) {
    if (records[i].id == rid::DefaultRowHeight) row.height = ReadDefaultRowHeight(records[i]).height;
  }
  const std::size_t at = marks.lastRowBefore    ? *marks.lastRowBefore + 1
                         : marks.firstRowRecord ? *marks.firstRowRecord
                         : marks.firstCell      ? *marks.firstCell
                                                : *marks.dimensionsAt + 1;
  records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), WriteRow(row));
}

// Where `ref`'s cell goes: after the last cell that sorts before it (with that cell's
// formula records), else before the first cell, else after the last ROW record.
std::size_t CellPosition(const std::vector<Record>& records, CellRef ref) {
  std::optional<std::size_t> after, lastRow, firstCell;
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    if (r.id == rid::Row) lastRow = i;
    if (!IsCellRecord(r.id)) continue;
    if (!firstCell) firstCell = i;
    const std::uint16_t row = CellRow(r);
    if (row < ref.row || (row == ref.row && CellLastCol(r) < ref.col)) after = i;
  }
  if (!after) return firstCell ? *firstCell : *lastRow + 1;
  std::size_t at = *after + 1;
  while (at < records.size() && IsFormulaFollower(records[at].id)) ++at;
  return at;
}

// Each DBCELL sized for the ROW records of its block (one offset per row); the rows of
// each block, by index.
std::vector<std::vector<std::size_t>> SizeDbCells(std::vector<Record>& records,
                                                  const std::vector<std::size_t>& dbCells) {
  std::vector<std::vector<std::size_t>> blockRows;
  std::size_t from = 0;
  for (std::size_t d : dbCells) {
    std::vector<std::size_t> rows;
    for (std::size_t i = from; i < d; ++i) {
      if (records[i].id == rid::Row) rows.push_back(i);
    }
    if (!rows.empty()) records[d] = WriteDbCell({0, std::vector<std::uint16_t>(rows.size(), 0)});
    blockRows.push_back(std::move(rows));
    from = d + 1;
  }
  return blockRows;
}

// Each record's position in the stream when the first starts at `start`.
std::vector<std::size_t> Positions(const std::vector<Record>& records, std::size_t start) {
  std::vector<std::size_t> position(records.size());
  std::size_t pos = start;
  for (std::size_t i = 0; i < records.size(); ++i) {
    position[i] = pos;
    pos += RecordSize(records[i]);
  }
  return position;
}

// The DBCELL at `d` for its block's `rows`. Offsets chain: the first from the end of the
// first ROW record, each next from the first cell of the row before; a row without cells
// points where its cells would start.
Record DbCellFor(const std::vector<Record>& records, const std::vector<std::size_t>& position,
                 const std::vector<std::size_t>& rows, std::size_t d) {
  DbCell db;
  db.firstRowOffset = static_cast<std::uint32_t>(position[d] - position[rows.front()]);
  std::size_t previous = position[rows.front()] + RecordSize(records[rows.front()]);
  std::size_t cursor = position[rows.back()] + RecordSize(records[rows.back()]);
  for (std::size_t r : rows) {
    const std::uint16_t rowNumber = ReadRow(records[r]).row;
    std::size_t first = cursor;
    bool found = false;
    for (std::size_t i = rows.back() + 1; i < d; ++i) {
      if (!IsCellRecord(records[i].id) || CellRow(records[i]) != rowNumber) continue;
      if (!found) first = position[i], found = true;
      std::size_t j = i + 1;
      while (j < d && IsFormulaFollower(records[j].id)) ++j;
      cursor = position[j - 1] + RecordSize(records[j - 1]);
    }
    db.cellOffsets.push_back(static_cast<std::uint16_t>(first - previous));
    previous = first;
  }
  return WriteDbCell(db);
}

}  // namespace

std::vector<std::size_t> TopLevelRecords(const std::vector<Record>& records) {
  std::vector<std::size_t> out;
  int depth = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].id == rid::Bof) ++depth;
    if (depth == 1 && records[i].id != rid::Bof && records[i].id != rid::Eof) out.push_back(i);
    if (records[i].id == rid::Eof) --depth;
  }
  return out;
}

std::optional<std::size_t> FindCellRecord(const std::vector<Record>& records, CellRef ref) {
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    if (!IsCellRecord(r.id) || CellRow(r) != ref.row) continue;
    if (ref.col >= CellFirstCol(r) && ref.col <= CellLastCol(r)) return i;
  }
  return std::nullopt;
}

std::uint16_t CellXf(const Record& cell, std::uint16_t col) {
  if (cell.id == rid::MulBlank) {
    const MulBlank m = ReadMulBlank(cell);
    return m.xfs.at(col - m.firstCol);
  }
  if (cell.id == rid::MulRk) {
    const MulRk m = ReadMulRk(cell);
    return m.cells.at(col - m.firstCol).xf;
  }
  return GetU16(cell.data, 4);
}

std::uint16_t DefaultXf(const std::vector<Record>& records, CellRef ref) {
  std::optional<std::uint16_t> columnXf;
  for (std::size_t i : TopLevelRecords(records)) {
    const Record& r = records[i];
    if (r.id == rid::Row) {
      const RowInfo row = ReadRow(r);
      if (row.row == ref.row && (row.flags & RowInfo::kHasXf)) return row.xf();
    } else if (r.id == rid::ColInfo) {
      const ColInfo c = ReadColInfo(r);
      if (ref.col >= c.firstCol && ref.col <= c.lastCol) columnXf = c.xf;
    }
  }
  return columnXf.value_or(15);
}

void ReplaceCell(std::vector<Record>& records, std::size_t index, CellRef ref, Record replacement) {
  const Record old = records.at(index);
  if (old.id == rid::Formula) {
    const std::size_t next = index + 1;
    if (next < records.size() &&
        (records[next].id == rid::ShrFmla || records[next].id == rid::Array || records[next].id == rid::Table)) {
      throw NotEditable("cell " + CellRefText(ref) + " holds a shared or array formula");
    }
    if (next < records.size() && records[next].id == rid::String)
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(next));
    records[index] = std::move(replacement);
    return;
  }
  if (!IsMultiCell(old.id)) {
    records[index] = std::move(replacement);
    return;
  }
  const std::uint16_t first = CellFirstCol(old), last = CellLastCol(old);
  std::vector<Record> parts;
  if (ref.col > first) parts.push_back(MultiCellPart(old, first, static_cast<std::uint16_t>(ref.col - 1)));
  parts.push_back(std::move(replacement));
  if (ref.col < last) parts.push_back(MultiCellPart(old, static_cast<std::uint16_t>(ref.col + 1), last));
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
  records.insert(records.begin() + static_cast<std::ptrdiff_t>(index), parts.begin(), parts.end());
}

void InsertCell(std::vector<Record>& records, CellRef ref, Record cell) {
  std::erase_if(records, [](const Record& r) { return IsRowBlockRecord(r.id); });
  const Landmarks marks = FindLandmarks(records, ref);
  if (!marks.dimensionsAt) throw FormatError("worksheet without DIMENSIONS");
  WidenDimensions(records[*marks.dimensionsAt], ref);
  PlaceRow(records, ref, marks);
  records.insert(records.begin() + static_cast<std::ptrdiff_t>(CellPosition(records, ref)), std::move(cell));
}

void RefreshIndex(std::vector<Record>& records, std::size_t start) {
  const auto top = TopLevelRecords(records);
  std::optional<std::size_t> indexAt;
  std::vector<std::size_t> dbCells;
  for (std::size_t i : top) {
    if (records[i].id == rid::Index && !indexAt) indexAt = i;
    if (records[i].id == rid::DbCell) dbCells.push_back(i);
  }
  if (!indexAt && dbCells.empty()) return;

  // Records get their final sizes first: INDEX one position per DBCELL, each
  // DBCELL one offset per ROW record of its block.
  IndexRecord index;
  if (indexAt) {
    index = ReadIndex(records[*indexAt]);
    index.dbCellPositions.assign(dbCells.size(), 0);
    records[*indexAt] = WriteIndex(index);
  }
  const std::vector<std::vector<std::size_t>> blockRows = SizeDbCells(records, dbCells);
  const std::vector<std::size_t> position = Positions(records, start);

  for (std::size_t k = 0; k < dbCells.size(); ++k) {
    // A block without rows keeps its record as it was.
    if (!blockRows[k].empty()) records[dbCells[k]] = DbCellFor(records, position, blockRows[k], dbCells[k]);
  }
  if (indexAt) {
    for (std::size_t k = 0; k < dbCells.size(); ++k)
      index.dbCellPositions[k] = static_cast<std::uint32_t>(position[dbCells[k]]);
    index.defColWidthPos = 0;
    for (std::size_t i : top) {
      if (records[i].id == rid::DefColWidth) index.defColWidthPos = static_cast<std::uint32_t>(position[i]);
    }
    records[*indexAt] = WriteIndex(index);
  }
}

}  // namespace vaporel::xls
