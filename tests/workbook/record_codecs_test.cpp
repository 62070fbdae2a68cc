// Every record writer against bytes worked out by hand from the record layouts,
// and the readers against the same bytes.
#include <gtest/gtest.h>

#include <functional>

#include "support.hpp"
#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"
#include "workbook/style_records.hpp"

namespace vaporel::xls {
namespace {

using test::HexBytes;
using test::HexText;

struct WriterCase {
  const char* name;
  Record record;
  const char* bytes;  // header and payload
};

std::string CaseName(const ::testing::TestParamInfo<WriterCase>& info) { return info.param.name; }

class RecordWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(RecordWriter, writesTheHandCheckedBytes) {
  Bytes out;
  AppendRecord(out, GetParam().record);
  EXPECT_EQ(HexText(out), HexText(HexBytes(GetParam().bytes)));
}

FontRecord VerdanaTitle() {
  FontRecord f;
  f.name = u"Verdana";
  f.height = 240;
  f.weight = 700;
  f.flags = FontRecord::kBold;
  f.family = 2;
  return f;
}

RowInfo TitleRow() {
  RowInfo r;
  r.row = 0, r.firstCol = 0, r.lastColPlus1 = 12, r.height = 375, r.flags = 0x0140;
  return r;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RecordWriter,
    ::testing::Values(
        WriterCase{"LabelSst", WriteLabelSst({3, 1, 21, 7}), "FD 00 0A 00 03 00 01 00 15 00 07 00 00 00"},
        WriterCase{"Number", WriteNumber({8, 1, 21, 1.01325}), "03 02 0E 00 08 00 01 00 15 00 83 C0 CA A1 45 36 F0 3F"},
        WriterCase{"Blank", WriteBlank({6, 1, 24}), "01 02 06 00 06 00 01 00 18 00"},
        WriterCase{"MulBlank", WriteMulBlank({3, 1, {21, 21, 22}}), "BE 00 0C 00 03 00 01 00 15 00 15 00 16 00 03 00"},
        WriterCase{"Rk", WriteRk({1, 2, {15, 0x16}}), "7E 02 0A 00 01 00 02 00 0F 00 16 00 00 00"},
        WriterCase{"MulRk", WriteMulRk({2, 0, {{15, 0x16}, {16, 0x3FF00001}}}),
                   "BD 00 12 00 02 00 00 00 0F 00 16 00 00 00 10 00 01 00 F0 3F 01 00"},
        WriterCase{"Row", WriteRow(TitleRow()), "08 02 10 00 00 00 00 00 0C 00 77 01 00 00 00 00 40 01 0F 00"},
        WriterCase{"Dimensions", WriteDimensions({0, 23, 0, 12}),
                   "00 02 0E 00 00 00 00 00 17 00 00 00 00 00 0C 00 00 00"},
        WriterCase{"ColInfo", WriteColInfo({2, 10, 3254, 15, 0}), "7D 00 0C 00 02 00 0A 00 B6 0C 0F 00 00 00 00 00"},
        WriterCase{"MergedCells", WriteMergedCells({{0, 0, 0, 1}, {6, 6, 0, 1}}),
                   "E5 00 12 00 02 00 00 00 00 00 00 00 01 00 06 00 06 00 00 00 01 00"},
        WriterCase{"Index", WriteIndex({0, 23, 0x1A4, {0x300}}),
                   "0B 02 14 00 00 00 00 00 00 00 00 00 17 00 00 00 A4 01 00 00 00 03 00 00"},
        WriterCase{"DbCell", WriteDbCell({0x5C, {0x14, 0x0A}}), "D7 00 08 00 5C 00 00 00 14 00 0A 00"},
        WriterCase{"Font", WriteFont(VerdanaTitle()),
                   "31 00 17 00 F0 00 01 00 FF 7F BC 02 00 00 00 02 00 00 07 00 56 65 72 64 61 6E 61"},
        WriterCase{"XfHeading", WriteXf(XfRecord::cell(7, 0, HAlign::Centre, VAlign::Bottom).solidFill(23)),
                   "E0 00 14 00 07 00 00 00 01 00 22 00 00 FC 00 00 00 00 00 00 00 04 97 20"},
        WriterCase{"XfStyle", WriteXf(XfRecord::style(1)),
                   "E0 00 14 00 01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        WriterCase{"Format", WriteFormat({164, u"0.000"}), "1E 04 0A 00 A4 00 05 00 00 30 2E 30 30 30"},
        WriterCase{"StyleNormal", WriteBuiltInStyle(0, 0), "93 02 04 00 00 80 00 FF"},
        WriterCase{"BoundSheet", WriteBoundSheet({0x1234, 0, 0, u"Vaporel"}),
                   "85 00 0F 00 34 12 00 00 00 00 07 00 56 61 70 6F 72 65 6C"},
        WriterCase{"PrintArea", WritePrintAreaName(1, 0, {0, 22, 0, 1}),
                   "18 00 1B 00 20 00 00 01 0B 00 00 00 01 00 00 00 00 00 00 06 "
                   "3B 00 00 00 00 16 00 00 00 01 00"},
        WriterCase{"Setup", WriteSetup(PageSetup{}),
                   "A1 00 22 00 01 00 64 00 01 00 01 00 01 00 02 00 58 02 58 02 "
                   "00 00 00 00 00 00 E0 3F 00 00 00 00 00 00 E0 3F 01 00"},
        WriterCase{"BofWorksheet", WriteBof(kBofWorksheet),
                   "09 08 10 00 00 06 10 00 BB 0D CC 07 41 00 00 00 06 00 00 00"},
        WriterCase{"DefaultRowHeight", WriteDefaultRowHeight({0, 255}), "25 02 04 00 00 00 FF 00"},
        WriterCase{"Delta", WriteDoubleRecord(rid::Delta, 0.001), "10 00 08 00 FC A9 F1 D2 4D 62 50 3F"},
        WriterCase{"StandardWidth", WriteU16Record(rid::StandardWidth, 2340), "99 00 02 00 24 09"}),
    CaseName);

Record Payload(std::uint16_t id, const char* hex) { return Record{id, HexBytes(hex)}; }

TEST(RecordReader, multiCellRecordsGiveEveryColumn) {
  const MulBlank blank = ReadMulBlank(Payload(rid::MulBlank, "03 00 01 00 15 00 15 00 16 00 03 00"));
  EXPECT_EQ(blank.row, 3);
  EXPECT_EQ(blank.firstCol, 1);
  EXPECT_EQ(blank.xfs, (std::vector<std::uint16_t>{21, 21, 22}));

  const MulRk rk = ReadMulRk(Payload(rid::MulRk, "02 00 00 00 0F 00 16 00 00 00 10 00 01 00 F0 3F 01 00"));
  ASSERT_EQ(rk.cells.size(), 2u);
  EXPECT_EQ(DecodeRk(rk.cells[0].rk), 5.0);   // integer 5
  EXPECT_EQ(DecodeRk(rk.cells[1].rk), 0.01);  // 1.0 divided by 100
  EXPECT_EQ(rk.cells[1].xf, 16);
}

TEST(RecordReader, rkNumbersDecodeAllFourKinds) {
  EXPECT_EQ(DecodeRk(0x3FF00000), 1.0);
  EXPECT_EQ(DecodeRk(0x3FF00001), 0.01);
  EXPECT_EQ(DecodeRk((123u << 2) | 2), 123.0);
  EXPECT_EQ(DecodeRk((12345u << 2) | 3), 123.45);
  EXPECT_EQ(DecodeRk(static_cast<std::uint32_t>(-7 * 4) | 2), -7.0);
}

TEST(RecordReader, multiCellRecordWithWrongLastColumnIsDamaged) {
  EXPECT_THROW(ReadMulBlank(Payload(rid::MulBlank, "03 00 01 00 15 00 15 00 09 00")), FormatError);
  EXPECT_THROW(ReadMulRk(Payload(rid::MulRk, "02 00 00 00 0F 00 16 00 00 00 05 00")), FormatError);
}

TEST(RecordReader, formulaResultsOfEveryKind) {
  // row, col, xf, 8-byte result, flags, chn, cce = 0
  const auto number =
      ReadFormulaResult(Payload(rid::Formula, "01 00 00 00 0F 00 00 00 00 00 00 00 E0 3F 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(number.kind, FormulaResult::Kind::Number);
  EXPECT_EQ(number.number, 0.5);
  const auto text =
      ReadFormulaResult(Payload(rid::Formula, "01 00 00 00 0F 00 00 00 00 00 00 00 FF FF 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(text.kind, FormulaResult::Kind::String);
  const auto boolean =
      ReadFormulaResult(Payload(rid::Formula, "01 00 00 00 0F 00 01 00 01 00 00 00 FF FF 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(boolean.kind, FormulaResult::Kind::Boolean);
  EXPECT_EQ(boolean.byteValue, 1);
  const auto error =
      ReadFormulaResult(Payload(rid::Formula, "01 00 00 00 0F 00 02 00 07 00 00 00 FF FF 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(error.kind, FormulaResult::Kind::Error);
  EXPECT_EQ(error.byteValue, 0x07);
}

TEST(RecordReader, printAreaNameGivesItsSheetAndRange) {
  std::uint16_t tab = 0;
  const auto area = ReadPrintAreaName(
      Payload(rid::Name, "20 00 00 01 0B 00 00 00 01 00 00 00 00 00 00 06 3B 00 00 00 00 16 00 00 00 01 00"), tab);
  ASSERT_TRUE(area.has_value());
  EXPECT_EQ(tab, 1);
  EXPECT_EQ(*area, (CellRange{0, 22, 0, 1}));
  // The same formula with value class (0x5B) and relative-column flags still reads.
  const auto valueClass = ReadPrintAreaName(
      Payload(rid::Name, "20 00 00 01 0B 00 00 00 02 00 00 00 00 00 00 06 5B 00 00 02 00 05 00 01 C0 03 C0"), tab);
  ASSERT_TRUE(valueClass.has_value());
  EXPECT_EQ(tab, 2);
  EXPECT_EQ(*valueClass, (CellRange{2, 5, 1, 3}));
  // A user-defined name is not a print area.
  EXPECT_FALSE(ReadPrintAreaName(Payload(rid::Name,
                                         "00 00 00 01 0B 00 00 00 01 00 00 00 00 00 00 41 "
                                         "3B 00 00 00 00 16 00 00 00 01 00"),
                                 tab));
}

TEST(RecordReader, styleRecordsGiveTheirFields) {
  const FontRecord font =
      ReadFont(Payload(rid::Font, "F0 00 01 00 FF 7F BC 02 00 00 00 02 00 00 07 00 56 65 72 64 61 6E 61"));
  EXPECT_EQ(font.name, u"Verdana");
  EXPECT_EQ(font.height, 240);
  EXPECT_TRUE(font.bold());
  EXPECT_FALSE(font.italic());
  EXPECT_EQ(font.colour, 0x7FFF);

  const XfRecord xf = ReadXf(Payload(rid::Xf, "07 00 0B 00 01 00 22 00 00 FC 00 00 00 00 00 00 00 04 97 20"));
  EXPECT_EQ(xf.font, 7);
  EXPECT_EQ(xf.format, 11);
  EXPECT_EQ(xf.hAlign(), HAlign::Centre);
  EXPECT_EQ(xf.vAlign(), VAlign::Bottom);
  EXPECT_EQ(xf.pattern(), 1);
  EXPECT_EQ(xf.foreColour(), 23);
  EXPECT_EQ(xf.backColour(), 65);
  EXPECT_FALSE(xf.isStyle());
}

TEST(RecordReader, rowBlockRecordsGiveTheirPositions) {
  const IndexRecord index =
      ReadIndex(Payload(rid::Index, "00 00 00 00 00 00 00 00 17 00 00 00 A4 01 00 00 00 03 00 00"));
  EXPECT_EQ(index.lastRowPlus1, 23u);
  EXPECT_EQ(index.defColWidthPos, 0x1A4u);
  EXPECT_EQ(index.dbCellPositions, (std::vector<std::uint32_t>{0x300}));
  const DbCell db = ReadDbCell(Payload(rid::DbCell, "5C 00 00 00 14 00 0A 00"));
  EXPECT_EQ(db.firstRowOffset, 0x5Cu);
  EXPECT_EQ(db.cellOffsets, (std::vector<std::uint16_t>{0x14, 0x0A}));
}

TEST(RecordReader, palettesMapIndicesToColours) {
  const Palette p = DefaultPalette();
  EXPECT_EQ(ColourOf(p, 9, {}), (Rgb{255, 255, 255}));
  EXPECT_EQ(ColourOf(p, 22, {}), (Rgb{192, 192, 192}));
  EXPECT_EQ(ColourOf(p, 23, {}), (Rgb{128, 128, 128}));
  EXPECT_EQ(ColourOf(p, 0x7FFF, Rgb{1, 2, 3}), (Rgb{1, 2, 3}));
  const Palette custom = ReadPalette(Payload(rid::Palette, "01 00 11 22 33 00"));
  EXPECT_EQ(ColourOf(custom, 8, {}), (Rgb{0x11, 0x22, 0x33}));
  EXPECT_EQ(ColourOf(custom, 9, {}), (Rgb{255, 255, 255}));
}

// Every reader refuses a payload cut short instead of reading past it (three
// bytes: DIMENSIONS and COLINFO end in two reserved bytes nobody reads).
struct ShortCase {
  const char* name;
  std::function<void(const Record&)> read;
  Record full;
};

class ShortRecord : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortRecord, cutShortIsDamaged) {
  Record r = GetParam().full;
  EXPECT_NO_THROW(GetParam().read(r));
  r.data.resize(r.data.size() - 3);
  EXPECT_THROW(GetParam().read(r), FormatError);
}

INSTANTIATE_TEST_SUITE_P(
    Readers, ShortRecord,
    ::testing::
        Values(ShortCase{"LabelSst", [](const Record& r) { ReadLabelSst(r); }, WriteLabelSst({3, 1, 21, 7})},
               ShortCase{"Number", [](const Record& r) { ReadNumber(r); }, WriteNumber({1, 1, 1, 1.0})},
               ShortCase{"Blank", [](const Record& r) { ReadBlank(r); }, WriteBlank({1, 1, 1})},
               ShortCase{"Rk", [](const Record& r) { ReadRk(r); }, WriteRk({1, 1, {1, 2}})},
               ShortCase{"Row", [](const Record& r) { ReadRow(r); }, WriteRow(TitleRow())},
               ShortCase{"Dimensions", [](const Record& r) { ReadDimensions(r); }, WriteDimensions({0, 1, 0, 1})},
               ShortCase{"ColInfo", [](const Record& r) { ReadColInfo(r); }, WriteColInfo({0, 0, 1, 15, 0})},
               ShortCase{"MergedCells", [](const Record& r) { ReadMergedCells(r); }, WriteMergedCells({{0, 0, 0, 1}})},
               ShortCase{"Font", [](const Record& r) { ReadFont(r); }, WriteFont(VerdanaTitle())},
               ShortCase{"Xf", [](const Record& r) { ReadXf(r); }, WriteXf(XfRecord::style(0))},
               ShortCase{"Format", [](const Record& r) { ReadFormat(r); }, WriteFormat({164, u"0.0"})},
               ShortCase{"BoundSheet", [](const Record& r) { ReadBoundSheet(r); }, WriteBoundSheet({0, 0, 0, u"S"})},
               ShortCase{"Setup", [](const Record& r) { ReadSetup(r); }, WriteSetup(PageSetup{})},
               ShortCase{
                   "PrintArea",
                   [](const Record& r) {
                     std::uint16_t tab;
                     ReadPrintAreaName(r, tab);
                   },
                   WritePrintAreaName(1, 0, {0, 22, 0, 1})}),
    [](const ::testing::TestParamInfo<ShortCase>& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vaporel::xls
