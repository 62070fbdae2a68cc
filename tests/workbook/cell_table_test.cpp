// Edits of a cell table: replacing cells inside multi-cell records and
// formulas, inserting new cells, and the INDEX/DBCELL positions.
#include "workbook/cell_table.hpp"

#include <gtest/gtest.h>

#include "support.hpp"
#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"

namespace vaporel::xls {
namespace {

using test::HexBytes;
using test::HexText;

RowInfo Row(std::uint16_t number, std::uint16_t lastColPlus1) {
  RowInfo r;
  r.row = number;
  r.lastColPlus1 = lastColPlus1;
  return r;
}

Record Formula(std::uint16_t r, std::uint16_t c) {
  // Cached result: a string (the STRING record that follows holds it); no tokens.
  ByteWriter w;
  w.u16(r).u16(c).u16(15).u16(0).u16(0).u16(0).u16(0xFFFF).u16(0).u32(0).u16(0);
  return Record{rid::Formula, w.take()};
}

Record StringRecord(const char* text) {
  ByteWriter w;
  w.u16(static_cast<std::uint16_t>(std::string(text).size())).u8(0);
  for (const char* p = text; *p; ++p) w.u8(static_cast<std::uint8_t>(*p));
  return Record{rid::String, w.take()};
}

// BOF, INDEX, DEFCOLWIDTH, DIMENSIONS, 3 ROWs, cells of rows 0 and 1, DBCELL, WINDOW2, EOF.
std::vector<Record> SmallSheet() {
  std::vector<Record> s;
  s.push_back(WriteBof(kBofWorksheet));                  // 20 bytes
  s.push_back(WriteIndex({0, 3, 0, {0}}));               // 24
  s.push_back(WriteU16Record(rid::DefColWidth, 8));      // 6
  s.push_back(WriteDimensions({0, 3, 0, 4}));            // 18
  s.push_back(WriteRow(Row(0, 4)));                      // 20
  s.push_back(WriteRow(Row(1, 2)));                      // 20
  s.push_back(WriteRow(Row(2, 1)));                      // 20
  s.push_back(WriteMulBlank({0, 0, {20, 21, 22, 23}}));  // 18
  s.push_back(Formula(1, 0));                            // 26
  s.push_back(StringRecord("ab"));                       // 9
  s.push_back(WriteNumber({1, 1, 15, 2.5}));             // 18
  s.push_back(WriteDbCell({0, {0, 0, 0}}));              // 14
  s.push_back(Record{rid::Window2, Bytes(18, 0)});       // 22
  s.push_back(Record{rid::Eof, {}});
  return s;
}

std::vector<std::uint16_t> Ids(const std::vector<Record>& records) {
  std::vector<std::uint16_t> out;
  out.reserve(records.size());
  for (const auto& r : records) out.push_back(r.id);
  return out;
}

TEST(CellTable, findsCellsInsideMultiCellRecords) {
  const auto sheet = SmallSheet();
  EXPECT_EQ(FindCellRecord(sheet, {0, 2}), 7u);
  EXPECT_EQ(FindCellRecord(sheet, {1, 0}), 8u);
  EXPECT_EQ(FindCellRecord(sheet, {1, 1}), 10u);
  EXPECT_FALSE(FindCellRecord(sheet, {1, 2}).has_value());
  EXPECT_FALSE(FindCellRecord(sheet, {2, 0}).has_value());
  EXPECT_EQ(CellXf(sheet[7], 2), 22);
}

struct SplitCase {
  std::uint16_t col;
  const char* before;  // the records that replace the MULBLANK, as hex payloads joined by '|'
};

class MulBlankSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(MulBlankSplit, keepsEveryOtherColumnWithItsXf) {
  auto sheet = SmallSheet();
  const std::uint16_t col = GetParam().col;
  ReplaceCell(sheet, 7, {0, col}, WriteNumber({0, col, CellXf(sheet[7], col), 1.0}));
  std::string got;
  for (std::size_t i = 7; i < sheet.size() && sheet[i].id != rid::Formula; ++i) {
    if (!got.empty()) got += " | ";
    got += (sheet[i].id == rid::Number ? "N " : "") + HexText(sheet[i].data);
  }
  EXPECT_EQ(got, GetParam().before);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, MulBlankSplit,
    ::testing::Values(
        // First column: the number, then a MULBLANK for columns 1-3.
        SplitCase{0, "N 00 00 00 00 14 00 00 00 00 00 00 00 F0 3F | 00 00 01 00 15 00 16 00 17 00 03 00"},
        // Second column: a BLANK for column 0, the number, a MULBLANK for 2-3.
        SplitCase{1, "00 00 00 00 14 00 | N 00 00 01 00 15 00 00 00 00 00 00 00 F0 3F | 00 00 02 00 16 00 17 00 03 00"},
        // Third column: MULBLANK 0-1, the number, BLANK 3.
        SplitCase{2, "00 00 00 00 14 00 15 00 01 00 | N 00 00 02 00 16 00 00 00 00 00 00 00 F0 3F | 00 00 03 00 17 00"},
        // Last column: MULBLANK 0-2, the number.
        SplitCase{3, "00 00 00 00 14 00 15 00 16 00 02 00 | N 00 00 03 00 17 00 00 00 00 00 00 00 F0 3F"}));

TEST(CellTable, mulRkSplitKeepsTheOtherNumbers) {
  std::vector<Record> sheet{WriteBof(kBofWorksheet), WriteDimensions({0, 1, 0, 3}), WriteRow(Row(0, 3)),
                            WriteMulRk({0, 0, {{15, 0x16}, {16, 0x1A}, {17, 0x1E}}}), Record{rid::Eof, {}}};
  ReplaceCell(sheet, 3, {0, 1}, WriteBlank({0, 1, 16}));
  ASSERT_EQ(Ids(sheet),
            (std::vector<std::uint16_t>{rid::Bof, rid::Dimensions, rid::Row, rid::Rk, rid::Blank, rid::Rk, rid::Eof}));
  EXPECT_EQ(DecodeRk(ReadRk(sheet[3]).value.rk), 5.0);
  EXPECT_EQ(ReadRk(sheet[5]).value.xf, 17);
  EXPECT_EQ(DecodeRk(ReadRk(sheet[5]).value.rk), 7.0);
}

TEST(CellTable, replacingAFormulaTakesItsStringAlong) {
  auto sheet = SmallSheet();
  ReplaceCell(sheet, 8, {1, 0}, WriteNumber({1, 0, 15, 3.0}));
  EXPECT_EQ(sheet.size(), SmallSheet().size() - 1);
  EXPECT_EQ(sheet[8].id, rid::Number);
  EXPECT_EQ(sheet[9].id, rid::Number);  // the old B2, no STRING left between
}

TEST(CellTable, sharedFormulaCellsAreNotEditable) {
  auto sheet = SmallSheet();
  sheet[9] = Record{rid::ShrFmla, Bytes(10, 0)};
  const auto before = sheet;
  EXPECT_THROW(ReplaceCell(sheet, 8, {1, 0}, WriteNumber({1, 0, 15, 3.0})), NotEditable);
  EXPECT_EQ(sheet, before);
}

TEST(CellTable, insertingACellAddsItsRowWidensDimensionsAndDropsRowBlocks) {
  auto sheet = SmallSheet();
  InsertCell(sheet, {5, 6}, WriteNumber({5, 6, 15, 9.0}));
  EXPECT_EQ(Ids(sheet), (std::vector<std::uint16_t>{rid::Bof, rid::DefColWidth, rid::Dimensions, rid::Row, rid::Row,
                                                    rid::Row, rid::Row, rid::MulBlank, rid::Formula, rid::String,
                                                    rid::Number, rid::Number, rid::Window2, rid::Eof}));
  const Dimensions d = ReadDimensions(sheet[2]);
  EXPECT_EQ(d.lastRowPlus1, 6u);
  EXPECT_EQ(d.lastColPlus1, 7);
  const RowInfo added = ReadRow(sheet[6]);
  EXPECT_EQ(added.row, 5);
  EXPECT_EQ(added.firstCol, 6);
  EXPECT_EQ(added.lastColPlus1, 7);
  EXPECT_EQ(ReadNumber(sheet[11]).value, 9.0);
}

TEST(CellTable, insertingIntoAnExistingRowWidensIt) {
  auto sheet = SmallSheet();
  InsertCell(sheet, {1, 3}, WriteBlank({1, 3, 15}));
  EXPECT_EQ(ReadRow(sheet[4]).lastColPlus1, 4);  // row 1 was columns 0-1
  EXPECT_EQ(sheet[10].id, rid::Blank);           // after the row's last cell
  EXPECT_EQ(ReadDimensions(sheet[2]).lastColPlus1, 4);
}

TEST(CellTable, insertingTheFirstCellGoesBeforeAllOthers) {
  std::vector<Record> sheet{WriteBof(kBofWorksheet), WriteDimensions({3, 4, 2, 3}), WriteRow(Row(3, 3)),
                            WriteBlank({3, 2, 15}), Record{rid::Eof, {}}};
  InsertCell(sheet, {0, 0}, WriteBlank({0, 0, 16}));
  EXPECT_EQ(Ids(sheet), (std::vector<std::uint16_t>{rid::Bof, rid::Dimensions, rid::Row, rid::Row, rid::Blank,
                                                    rid::Blank, rid::Eof}));
  EXPECT_EQ(ReadRow(sheet[2]).row, 0);
  EXPECT_EQ(ReadBlank(sheet[4]).xf, 16);
  const Dimensions d = ReadDimensions(sheet[1]);
  EXPECT_EQ(d.firstRow, 0u);
  EXPECT_EQ(d.firstCol, 0);
}

TEST(CellTable, defaultXfComesFromTheRowThenTheColumn) {
  std::vector<Record> sheet{WriteBof(kBofWorksheet), WriteColInfo({0, 3, 2000, 30, 0}), WriteDimensions({0, 1, 0, 1})};
  RowInfo styled = Row(2, 1);
  styled.flags |= RowInfo::kHasXf;
  styled.xfAndMore = 40;
  sheet.push_back(WriteRow(styled));
  sheet.push_back(Record{rid::Eof, {}});
  EXPECT_EQ(DefaultXf(sheet, {2, 1}), 40);
  EXPECT_EQ(DefaultXf(sheet, {1, 1}), 30);
  EXPECT_EQ(DefaultXf(sheet, {1, 5}), 15);
}

TEST(CellTable, refreshIndexRecomputesEveryPosition) {
  auto sheet = SmallSheet();
  // Positions with the sheet's BOF at 1000: INDEX 1020, DEFCOLWIDTH 1044, DIMENSIONS 1050,
  // ROWs 1068/1088/1108, MULBLANK 1128, FORMULA 1146, STRING 1172, NUMBER 1181, DBCELL 1199.
  RefreshIndex(sheet, 1000);
  const IndexRecord index = ReadIndex(sheet[1]);
  EXPECT_EQ(index.defColWidthPos, 1044u);
  EXPECT_EQ(index.dbCellPositions, (std::vector<std::uint32_t>{1199}));
  const DbCell db = ReadDbCell(sheet[11]);
  EXPECT_EQ(db.firstRowOffset, 1199u - 1068u);
  // Row 0 from the end of the first ROW (1088) to 1128; row 1 from 1128 to 1146;
  // row 2 has no cells: it points past row 1's cells (1199), 53 bytes on.
  EXPECT_EQ(db.cellOffsets, (std::vector<std::uint16_t>{40, 18, 53}));
}

TEST(CellTable, refreshIndexFollowsASplit) {
  auto sheet = SmallSheet();
  ReplaceCell(sheet, 7, {0, 1}, WriteNumber({0, 1, 21, 1.0}));  // 18 bytes become 10 + 18 + 14
  RefreshIndex(sheet, 0);
  const DbCell db = ReadDbCell(sheet[13]);
  EXPECT_EQ(db.cellOffsets, (std::vector<std::uint16_t>{40, 42, 53}));
  EXPECT_EQ(ReadIndex(sheet[1]).dbCellPositions, (std::vector<std::uint32_t>{197 + 26}));
}

}  // namespace
}  // namespace vaporel::xls
