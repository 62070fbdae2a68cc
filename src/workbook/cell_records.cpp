#include "workbook/cell_records.hpp"

#include <bit>
#include <cstring>

#include "workbook/strings.hpp"

namespace vaporel::xls {

namespace {

void ExpectLength(const Record& r, std::size_t atLeast) {
  if (r.data.size() < atLeast) throw FormatError("record too short");
}

Record Make(std::uint16_t id, ByteWriter& w) { return Record{id, w.take()}; }

}  // namespace

LabelSst ReadLabelSst(const Record& r) {
  ByteReader in(r.data);
  LabelSst c;
  c.row = in.u16(), c.col = in.u16(), c.xf = in.u16(), c.sst = in.u32();
  return c;
}

Record WriteLabelSst(const LabelSst& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.col).u16(c.xf).u32(c.sst);
  return Make(rid::LabelSst, w);
}

NumberCell ReadNumber(const Record& r) {
  ByteReader in(r.data);
  NumberCell c;
  c.row = in.u16(), c.col = in.u16(), c.xf = in.u16(), c.value = in.f64();
  return c;
}

Record WriteNumber(const NumberCell& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.col).u16(c.xf).f64(c.value);
  return Make(rid::Number, w);
}

BlankCell ReadBlank(const Record& r) {
  ByteReader in(r.data);
  BlankCell c;
  c.row = in.u16(), c.col = in.u16(), c.xf = in.u16();
  return c;
}

Record WriteBlank(const BlankCell& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.col).u16(c.xf);
  return Make(rid::Blank, w);
}

MulBlank ReadMulBlank(const Record& r) {
  ExpectLength(r, 6);
  if (r.data.size() % 2 != 0) throw FormatError("MULBLANK of odd length");
  ByteReader in(r.data);
  MulBlank c;
  c.row = in.u16(), c.firstCol = in.u16();
  const std::size_t count = (r.data.size() - 6) / 2;
  for (std::size_t i = 0; i < count; ++i) c.xfs.push_back(in.u16());
  const std::uint16_t lastCol = in.u16();
  if (count == 0 || lastCol != c.firstCol + count - 1) throw FormatError("MULBLANK columns inconsistent");
  return c;
}

Record WriteMulBlank(const MulBlank& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.firstCol);
  for (auto xf : c.xfs) w.u16(xf);
  w.u16(static_cast<std::uint16_t>(c.firstCol + c.xfs.size() - 1));
  return Make(rid::MulBlank, w);
}

double DecodeRk(std::uint32_t rk) {
  double v = 0;
  if (rk & 0x2) {
    v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    v = std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
  }
  return (rk & 0x1) ? v / 100 : v;
}

RkCell ReadRk(const Record& r) {
  ByteReader in(r.data);
  RkCell c;
  c.row = in.u16(), c.col = in.u16(), c.value.xf = in.u16(), c.value.rk = in.u32();
  return c;
}

Record WriteRk(const RkCell& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.col).u16(c.value.xf).u32(c.value.rk);
  return Make(rid::Rk, w);
}

MulRk ReadMulRk(const Record& r) {
  ExpectLength(r, 6);
  if ((r.data.size() - 6) % 6 != 0) throw FormatError("MULRK of wrong length");
  ByteReader in(r.data);
  MulRk c;
  c.row = in.u16(), c.firstCol = in.u16();
  const std::size_t count = (r.data.size() - 6) / 6;
  for (std::size_t i = 0; i < count; ++i) {
    RkValue v;
    v.xf = in.u16(), v.rk = in.u32();
    c.cells.push_back(v);
  }
  const std::uint16_t lastCol = in.u16();
  if (count == 0 || lastCol != c.firstCol + count - 1) throw FormatError("MULRK columns inconsistent");
  return c;
}

Record WriteMulRk(const MulRk& c) {
  ByteWriter w;
  w.u16(c.row).u16(c.firstCol);
  for (auto v : c.cells) w.u16(v.xf).u32(v.rk);
  w.u16(static_cast<std::uint16_t>(c.firstCol + c.cells.size() - 1));
  return Make(rid::MulRk, w);
}

FormulaResult ReadFormulaResult(const Record& r) {
  ExpectLength(r, 20);
  ByteReader in(r.data);
  in.skip(6);
  const auto result = in.bytes(8);
  FormulaResult f;
  if (result[6] == 0xFF && result[7] == 0xFF) {
    switch (result[0]) {
      case 0: f.kind = FormulaResult::Kind::String; break;
      case 1: f.kind = FormulaResult::Kind::Boolean; break;
      case 2: f.kind = FormulaResult::Kind::Error; break;
      default: f.kind = FormulaResult::Kind::EmptyString; break;
    }
    f.byteValue = result[2];
  } else {
    ByteReader num(result);
    f.number = num.f64();
  }
  return f;
}

std::u16string ReadStringRecord(const Record& r) {
  ByteReader in(r.data);
  return ReadXlUnicodeString(in, false);
}

std::u16string ReadLabelText(const Record& r) {
  ByteReader in(r.data);
  in.skip(6);
  return ReadXlUnicodeString(in, false);
}

BoolErr ReadBoolErr(const Record& r) {
  ByteReader in(r.data);
  BoolErr c;
  c.row = in.u16(), c.col = in.u16(), c.xf = in.u16(), c.value = in.u8();
  c.isError = in.u8() != 0;
  return c;
}

RowInfo ReadRow(const Record& r) {
  ByteReader in(r.data);
  RowInfo row;
  row.row = in.u16(), row.firstCol = in.u16(), row.lastColPlus1 = in.u16(), row.height = in.u16();
  row.reserved = in.u32();
  row.flags = in.u16(), row.xfAndMore = in.u16();
  return row;
}

Record WriteRow(const RowInfo& row) {
  ByteWriter w;
  w.u16(row.row).u16(row.firstCol).u16(row.lastColPlus1).u16(row.height).u32(row.reserved);
  w.u16(row.flags).u16(row.xfAndMore);
  return Make(rid::Row, w);
}

Dimensions ReadDimensions(const Record& r) {
  ByteReader in(r.data);
  Dimensions d;
  d.firstRow = in.u32(), d.lastRowPlus1 = in.u32(), d.firstCol = in.u16(), d.lastColPlus1 = in.u16();
  return d;
}

Record WriteDimensions(const Dimensions& d) {
  ByteWriter w;
  w.u32(d.firstRow).u32(d.lastRowPlus1).u16(d.firstCol).u16(d.lastColPlus1).u16(0);
  return Make(rid::Dimensions, w);
}

ColInfo ReadColInfo(const Record& r) {
  ByteReader in(r.data);
  ColInfo c;
  c.firstCol = in.u16(), c.lastCol = in.u16(), c.width = in.u16(), c.xf = in.u16(), c.flags = in.u16();
  return c;
}

Record WriteColInfo(const ColInfo& c) {
  ByteWriter w;
  w.u16(c.firstCol).u16(c.lastCol).u16(c.width).u16(c.xf).u16(c.flags).u16(0);
  return Make(rid::ColInfo, w);
}

std::vector<CellRange> ReadMergedCells(const Record& r) {
  ByteReader in(r.data);
  const std::uint16_t count = in.u16();
  std::vector<CellRange> ranges;
  for (std::uint16_t i = 0; i < count; ++i) {
    CellRange c;
    c.firstRow = in.u16(), c.lastRow = in.u16(), c.firstCol = in.u16(), c.lastCol = in.u16();
    ranges.push_back(c);
  }
  return ranges;
}

Record WriteMergedCells(const std::vector<CellRange>& ranges) {
  ByteWriter w;
  w.u16(static_cast<std::uint16_t>(ranges.size()));
  for (const auto& c : ranges) w.u16(c.firstRow).u16(c.lastRow).u16(c.firstCol).u16(c.lastCol);
  return Make(rid::MergedCells, w);
}

IndexRecord ReadIndex(const Record& r) {
  ExpectLength(r, 16);
  if (r.data.size() % 4 != 0) throw FormatError("INDEX of wrong length");
  ByteReader in(r.data);
  IndexRecord i;
  in.skip(4);
  i.firstRow = in.u32(), i.lastRowPlus1 = in.u32(), i.defColWidthPos = in.u32();
  while (!in.atEnd()) i.dbCellPositions.push_back(in.u32());
  return i;
}

Record WriteIndex(const IndexRecord& i) {
  ByteWriter w;
  w.u32(0).u32(i.firstRow).u32(i.lastRowPlus1).u32(i.defColWidthPos);
  for (auto p : i.dbCellPositions) w.u32(p);
  return Make(rid::Index, w);
}

DbCell ReadDbCell(const Record& r) {
  ExpectLength(r, 4);
  if (r.data.size() % 2 != 0) throw FormatError("DBCELL of odd length");
  ByteReader in(r.data);
  DbCell d;
  d.firstRowOffset = in.u32();
  while (!in.atEnd()) d.cellOffsets.push_back(in.u16());
  return d;
}

Record WriteDbCell(const DbCell& d) {
  ByteWriter w;
  w.u32(d.firstRowOffset);
  for (auto o : d.cellOffsets) w.u16(o);
  return Make(rid::DbCell, w);
}

bool IsCellRecord(std::uint16_t id) {
  switch (id) {
    case rid::Formula:
    case rid::LabelSst:
    case rid::Number:
    case rid::Blank:
    case rid::Label:
    case rid::RString:
    case rid::BoolErr:
    case rid::Rk:
    case rid::MulRk:
    case rid::MulBlank: return true;
    default: return false;
  }
}

bool IsMultiCell(std::uint16_t id) { return id == rid::MulBlank || id == rid::MulRk; }

std::uint16_t CellRow(const Record& r) { return GetU16(r.data, 0); }
std::uint16_t CellFirstCol(const Record& r) { return GetU16(r.data, 2); }
std::uint16_t CellLastCol(const Record& r) {
  if (!IsMultiCell(r.id)) return CellFirstCol(r);
  if (r.data.size() < 6) throw FormatError("record too short");
  return GetU16(r.data, r.data.size() - 2);
}

bool IsFormulaFollower(std::uint16_t id) {
  return id == rid::String || id == rid::ShrFmla || id == rid::Array || id == rid::Table;
}

}  // namespace vaporel::xls
