#include "workbook/book_records.hpp"

#include "workbook/strings.hpp"

namespace vaporel::xls {

Record WriteBof(std::uint16_t type) {
  ByteWriter w;
  // BIFF8, substream type, build 0x0DBB of 1996, file history flags, lowest BIFF version 6.
  w.u16(0x0600).u16(type).u16(0x0DBB).u16(0x07CC).u32(0x00000041).u32(0x00000006);
  return Record{rid::Bof, w.take()};
}

std::uint16_t BofVersion(const Record& r) { return GetU16(r.data, 0); }

BoundSheet ReadBoundSheet(const Record& r) {
  ByteReader in(r.data);
  BoundSheet b;
  b.position = in.u32(), b.visibility = in.u8(), b.type = in.u8();
  b.name = ReadXlUnicodeString(in, true);
  return b;
}

Record WriteBoundSheet(const BoundSheet& b) {
  ByteWriter w;
  w.u32(b.position).u8(b.visibility).u8(b.type);
  WriteXlUnicodeString(w, b.name, true);
  return Record{rid::BoundSheet, w.take()};
}

Record WritePrintAreaName(std::uint16_t sheetTab, std::uint16_t externSheet, const CellRange& area) {
  ByteWriter formula;
  formula.u8(0x3B).u16(externSheet).u16(area.firstRow).u16(area.lastRow).u16(area.firstCol).u16(area.lastCol);
  ByteWriter w;
  w.u16(0x0020);  // built-in name
  w.u8(0).u8(1);  // no shortcut key, name of one character
  w.u16(static_cast<std::uint16_t>(formula.data().size()));
  w.u16(0).u16(sheetTab);
  w.u8(0).u8(0).u8(0).u8(0);  // no menu, description, help or status texts
  w.u8(0).u8(0x06);           // compressed name: built-in Print_Area
  w.bytes(formula.data());
  return Record{rid::Name, w.take()};
}

std::optional<CellRange> ReadPrintAreaName(const Record& r, std::uint16_t& sheetTab) {
  ByteReader in(r.data);
  const std::uint16_t flags = in.u16();
  in.u8();
  const std::uint8_t nameLength = in.u8();
  const std::uint16_t formulaLength = in.u16();
  in.u16();
  sheetTab = in.u16();
  in.skip(4);
  if (!(flags & 0x0020) || nameLength != 1) return std::nullopt;
  const std::uint8_t nameFlags = in.u8();
  const std::uint16_t builtIn = (nameFlags & 0x01) ? in.u16() : in.u8();
  if (builtIn != 0x06 || formulaLength < 7) return std::nullopt;
  const std::uint8_t token = in.u8() & 0x1F;  // token class bits do not matter here
  in.u16();                                   // EXTERNSHEET entry
  CellRange a;
  if (token == 0x1B) {  // area
    a.firstRow = in.u16(), a.lastRow = in.u16();
    a.firstCol = in.u16() & 0x3FFF, a.lastCol = in.u16() & 0x3FFF;
  } else if (token == 0x1A) {  // single cell
    a.firstRow = a.lastRow = in.u16();
    a.firstCol = a.lastCol = in.u16() & 0x3FFF;
  } else {
    return std::nullopt;
  }
  return a;
}

PageSetup ReadSetup(const Record& r) {
  ByteReader in(r.data);
  PageSetup s;
  s.paperSize = in.u16(), s.scale = in.u16(), s.firstPage = in.u16(), s.fitWidth = in.u16();
  s.fitHeight = in.u16(), s.flags = in.u16(), s.resolution = in.u16(), s.verticalResolution = in.u16();
  s.headerMargin = in.f64(), s.footerMargin = in.f64(), s.copies = in.u16();
  return s;
}

Record WriteSetup(const PageSetup& s) {
  ByteWriter w;
  w.u16(s.paperSize).u16(s.scale).u16(s.firstPage).u16(s.fitWidth).u16(s.fitHeight).u16(s.flags);
  w.u16(s.resolution).u16(s.verticalResolution).f64(s.headerMargin).f64(s.footerMargin).u16(s.copies);
  return Record{rid::Setup, w.take()};
}

Record WriteU16Record(std::uint16_t id, std::uint16_t value) {
  ByteWriter w;
  w.u16(value);
  return Record{id, w.take()};
}

Record WriteEmptyHeaderFooter(std::uint16_t id) {
  ByteWriter w;
  w.u16(0).u8(0);  // XLUnicodeString: no characters, 8-bit
  return Record{id, w.take()};
}

std::uint16_t ReadU16Record(const Record& r) { return GetU16(r.data, 0); }

Record WriteDoubleRecord(std::uint16_t id, double value) {
  ByteWriter w;
  w.f64(value);
  return Record{id, w.take()};
}

double ReadDoubleRecord(const Record& r) {
  ByteReader in(r.data);
  return in.f64();
}

DefaultRowHeight ReadDefaultRowHeight(const Record& r) {
  ByteReader in(r.data);
  DefaultRowHeight d;
  d.flags = in.u16(), d.height = in.u16();
  return d;
}

Record WriteDefaultRowHeight(const DefaultRowHeight& d) {
  ByteWriter w;
  w.u16(d.flags).u16(d.height);
  return Record{rid::DefaultRowHeight, w.take()};
}

}  // namespace vaporel::xls
