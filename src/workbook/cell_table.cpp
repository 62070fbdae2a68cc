#include "workbook/cell_table.hpp"

#include <algorithm>

#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"

namespace vaporel::xls {

namespace {

// The part of a multi-cell record from column `from` to `to` (inclusive), as the
// smallest record that holds it: a single BLANK/RK for one column.
Record multiCellPart(const Record& r, std::uint16_t from, std::uint16_t to) {
  if (r.id == rid::MulBlank) {
    const MulBlank m = readMulBlank(r);
    if (from == to) return writeBlank({m.row, from, m.xfs.at(from - m.firstCol)});
    MulBlank part{m.row, from, {m.xfs.begin() + (from - m.firstCol), m.xfs.begin() + (to - m.firstCol) + 1}};
    return writeMulBlank(part);
  }
  const MulRk m = readMulRk(r);
  if (from == to) return writeRk({m.row, from, m.cells.at(from - m.firstCol)});
  MulRk part{m.row, from, {m.cells.begin() + (from - m.firstCol), m.cells.begin() + (to - m.firstCol) + 1}};
  return writeMulRk(part);
}

bool isRowBlockRecord(std::uint16_t id) { return id == rid::Index || id == rid::DbCell; }

}  // namespace

std::vector<std::size_t> topLevelRecords(const std::vector<Record>& records) {
  std::vector<std::size_t> out;
  int depth = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].id == rid::Bof) ++depth;
    if (depth == 1 && records[i].id != rid::Bof && records[i].id != rid::Eof) out.push_back(i);
    if (records[i].id == rid::Eof) --depth;
  }
  return out;
}

std::optional<std::size_t> findCellRecord(const std::vector<Record>& records, CellRef ref) {
  for (std::size_t i : topLevelRecords(records)) {
    const Record& r = records[i];
    if (!isCellRecord(r.id) || cellRow(r) != ref.row) continue;
    if (ref.col >= cellFirstCol(r) && ref.col <= cellLastCol(r)) return i;
  }
  return std::nullopt;
}

std::uint16_t cellXf(const Record& cell, std::uint16_t col) {
  if (cell.id == rid::MulBlank) {
    const MulBlank m = readMulBlank(cell);
    return m.xfs.at(col - m.firstCol);
  }
  if (cell.id == rid::MulRk) {
    const MulRk m = readMulRk(cell);
    return m.cells.at(col - m.firstCol).xf;
  }
  return getU16(cell.data, 4);
}

std::uint16_t defaultXf(const std::vector<Record>& records, CellRef ref) {
  std::optional<std::uint16_t> columnXf;
  for (std::size_t i : topLevelRecords(records)) {
    const Record& r = records[i];
    if (r.id == rid::Row) {
      const RowInfo row = readRow(r);
      if (row.row == ref.row && (row.flags & RowInfo::kHasXf)) return row.xf();
    } else if (r.id == rid::ColInfo) {
      const ColInfo c = readColInfo(r);
      if (ref.col >= c.firstCol && ref.col <= c.lastCol) columnXf = c.xf;
    }
  }
  return columnXf.value_or(15);
}

void replaceCell(std::vector<Record>& records, std::size_t index, CellRef ref, Record replacement) {
  const Record old = records.at(index);
  if (old.id == rid::Formula) {
    const std::size_t next = index + 1;
    if (next < records.size() &&
        (records[next].id == rid::ShrFmla || records[next].id == rid::Array || records[next].id == rid::Table)) {
      throw NotEditable("cell " + cellRefText(ref) + " holds a shared or array formula");
    }
    if (next < records.size() && records[next].id == rid::String)
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(next));
    records[index] = std::move(replacement);
    return;
  }
  if (!isMultiCell(old.id)) {
    records[index] = std::move(replacement);
    return;
  }
  const std::uint16_t first = cellFirstCol(old), last = cellLastCol(old);
  std::vector<Record> parts;
  if (ref.col > first) parts.push_back(multiCellPart(old, first, static_cast<std::uint16_t>(ref.col - 1)));
  parts.push_back(std::move(replacement));
  if (ref.col < last) parts.push_back(multiCellPart(old, static_cast<std::uint16_t>(ref.col + 1), last));
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
  records.insert(records.begin() + static_cast<std::ptrdiff_t>(index), parts.begin(), parts.end());
}

void insertCell(std::vector<Record>& records, CellRef ref, Record cell) {
  std::erase_if(records, [](const Record& r) { return isRowBlockRecord(r.id); });
  const auto top = topLevelRecords(records);

  // The ROW record: widen it, or add one in row order.
  std::optional<std::size_t> rowAt, lastRowBefore, firstRowRecord, dimensionsAt, firstCell;
  for (std::size_t i : top) {
    const Record& r = records[i];
    if (r.id == rid::Row) {
      const RowInfo row = readRow(r);
      if (row.row == ref.row) rowAt = i;
      if (row.row < ref.row) lastRowBefore = i;
      if (!firstRowRecord) firstRowRecord = i;
    } else if (r.id == rid::Dimensions) {
      dimensionsAt = i;
    } else if (isCellRecord(r.id) && !firstCell) {
      firstCell = i;
    }
  }
  if (!dimensionsAt) throw FormatError("worksheet without DIMENSIONS");
  Dimensions dim = readDimensions(records[*dimensionsAt]);
  const bool emptySheet = dim.lastRowPlus1 <= dim.firstRow || dim.lastColPlus1 <= dim.firstCol;
  if (emptySheet) {
    dim = {ref.row, ref.row + 1u, ref.col, static_cast<std::uint16_t>(ref.col + 1)};
  } else {
    dim.firstRow = std::min<std::uint32_t>(dim.firstRow, ref.row);
    dim.lastRowPlus1 = std::max<std::uint32_t>(dim.lastRowPlus1, ref.row + 1u);
    dim.firstCol = std::min(dim.firstCol, ref.col);
    dim.lastColPlus1 = std::max(dim.lastColPlus1, static_cast<std::uint16_t>(ref.col + 1));
  }
  records[*dimensionsAt] = writeDimensions(dim);

  if (rowAt) {
    RowInfo row = readRow(records[*rowAt]);
    row.firstCol = std::min(row.firstCol, ref.col);
    row.lastColPlus1 = std::max(row.lastColPlus1, static_cast<std::uint16_t>(ref.col + 1));
    records[*rowAt] = writeRow(row);
  } else {
    RowInfo row;
    row.row = ref.row;
    row.firstCol = ref.col;
    row.lastColPlus1 = static_cast<std::uint16_t>(ref.col + 1);
    for (std::size_t i : top) {
      if (records[i].id == rid::DefaultRowHeight) row.height = readDefaultRowHeight(records[i]).height;
    }
    std::size_t at = lastRowBefore    ? *lastRowBefore + 1
                     : firstRowRecord ? *firstRowRecord
                     : firstCell      ? *firstCell
                                      : *dimensionsAt + 1;
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), writeRow(row));
  }

  // The cell goes after the last cell that sorts before it (with that cell's
  // formula records), else after the last ROW record of the table.
  std::optional<std::size_t> after;
  std::optional<std::size_t> lastRow;
  for (std::size_t i : topLevelRecords(records)) {
    const Record& r = records[i];
    if (r.id == rid::Row) lastRow = i;
    if (isCellRecord(r.id)) {
      const std::uint16_t row = cellRow(r);
      if (row < ref.row || (row == ref.row && cellLastCol(r) < ref.col)) after = i;
    }
  }
  std::optional<std::size_t> firstCellNow;
  for (std::size_t i : topLevelRecords(records)) {
    if (isCellRecord(records[i].id)) {
      firstCellNow = i;
      break;
    }
  }
  std::size_t at = 0;
  if (after) {
    at = *after + 1;
    while (at < records.size() && isFormulaFollower(records[at].id)) ++at;
  } else {
    at = firstCellNow ? *firstCellNow : *lastRow + 1;
  }
  records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), std::move(cell));
}

void refreshIndex(std::vector<Record>& records, std::size_t start) {
  const auto top = topLevelRecords(records);
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
    index = readIndex(records[*indexAt]);
    index.dbCellPositions.assign(dbCells.size(), 0);
    records[*indexAt] = writeIndex(index);
  }
  std::vector<std::vector<std::size_t>> blockRows;
  std::size_t from = 0;
  for (std::size_t d : dbCells) {
    std::vector<std::size_t> rows;
    for (std::size_t i = from; i < d; ++i) {
      if (records[i].id == rid::Row) rows.push_back(i);
    }
    if (!rows.empty()) records[d] = writeDbCell({0, std::vector<std::uint16_t>(rows.size(), 0)});
    blockRows.push_back(std::move(rows));
    from = d + 1;
  }
  std::vector<std::size_t> position(records.size());
  std::size_t pos = start;
  for (std::size_t i = 0; i < records.size(); ++i) {
    position[i] = pos;
    pos += recordSize(records[i]);
  }

  for (std::size_t k = 0; k < dbCells.size(); ++k) {
    const std::size_t d = dbCells[k];
    const auto& rows = blockRows[k];
    if (rows.empty()) continue;  // a block without rows keeps its record as it was
    DbCell db;
    db.firstRowOffset = static_cast<std::uint32_t>(position[d] - position[rows.front()]);
    // Offsets chain: the first from the end of the first ROW record, each next
    // from the first cell of the row before; a row without cells points where
    // its cells would start.
    std::size_t previous = position[rows.front()] + recordSize(records[rows.front()]);
    std::size_t cursor = position[rows.back()] + recordSize(records[rows.back()]);
    for (std::size_t r : rows) {
      const std::uint16_t rowNumber = readRow(records[r]).row;
      std::size_t first = cursor;
      bool found = false;
      for (std::size_t i = rows.back() + 1; i < d; ++i) {
        if (!isCellRecord(records[i].id) || cellRow(records[i]) != rowNumber) continue;
        if (!found) first = position[i], found = true;
        std::size_t j = i + 1;
        while (j < d && isFormulaFollower(records[j].id)) ++j;
        cursor = position[j - 1] + recordSize(records[j - 1]);
      }
      db.cellOffsets.push_back(static_cast<std::uint16_t>(first - previous));
      previous = first;
    }
    records[d] = writeDbCell(db);
  }

  if (indexAt) {
    for (std::size_t k = 0; k < dbCells.size(); ++k)
      index.dbCellPositions[k] = static_cast<std::uint32_t>(position[dbCells[k]]);
    index.defColWidthPos = 0;
    for (std::size_t i : top) {
      if (records[i].id == rid::DefColWidth) index.defColWidthPos = static_cast<std::uint32_t>(position[i]);
    }
    records[*indexAt] = writeIndex(index);
  }
}

}  // namespace vaporel::xls
