// The shared-string table: layout, CONTINUE splitting and the EXTSST index.
#include <gtest/gtest.h>

#include "support.hpp"
#include "workbook/strings.hpp"

namespace vaporel::xls {
namespace {

using test::HexBytes;
using test::HexText;

SharedStrings Table(std::vector<SstString> strings, std::uint32_t total = 0) {
  SharedStrings s;
  s.total = total ? total : static_cast<std::uint32_t>(strings.size());
  s.strings = std::move(strings);
  return s;
}

TEST(SharedStringTable, shortStringsFitOneRecordCompressedWhenTheyCan) {
  std::vector<StringPlace> places;
  const auto records = WriteSst(Table({{u"ab", {}, {}}, {u"\u00e9\u4e2d", {}, {}}}, 3), &places);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(HexText(EncodeRecords(records)), "FC 00 14 00 03 00 00 00 02 00 00 00 02 00 00 61 62 02 00 01 E9 00 2D 4E");
  // EXTSST for the table written at stream position 100: 8 strings per bucket,
  // the first string at 100 + 4 (header) + 8 (counts), 12 bytes into its record.
  EXPECT_EQ(HexText(EncodeRecords(std::vector{WriteExtSst(records, places, 100)})),
            "FF 00 0A 00 08 00 70 00 00 00 0C 00 00 00");
}

TEST(SharedStringTable, longCompressedStringContinuesWithAFlagByte) {
  const std::u16string text(10000, u'x');
  const auto records = WriteSst(Table({{text, {}, {}}}));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].id, rid::Sst);
  EXPECT_EQ(records[0].data.size(), kMaxRecordData);  // 8 + 3 + 8213 characters
  EXPECT_EQ(records[1].id, rid::Continue);
  EXPECT_EQ(records[1].data.size(), 1u + 10000 - 8213);
  EXPECT_EQ(records[1].data[0], 0x00);
  EXPECT_EQ(ReadSst(records).strings[0].text, text);
}

TEST(SharedStringTable, wideCharactersAreNeverSplitInHalf) {
  const std::u16string text(5000, u'\u4e2d');
  const auto records = WriteSst(Table({{text, {}, {}}}));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].data.size(), 8u + 3 + 2 * 4106);  // one byte left unused
  EXPECT_EQ(records[1].data[0], 0x01);
  EXPECT_EQ(records[1].data.size(), 1u + 2 * (5000 - 4106));
  EXPECT_EQ(ReadSst(records).strings[0].text, text);
}

TEST(SharedStringTable, stringHeaderIsNeverSplit) {
  // The first string leaves 2 bytes: too few for the next header and a character.
  const auto records = WriteSst(Table({{std::u16string(8211, u'a'), {}, {}}, {u"abc", {}, {}}}));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].data.size(), kMaxRecordData - 2);
  EXPECT_EQ(HexText(records[1].data), "03 00 00 61 62 63");  // no flag byte before a header
  std::vector<StringPlace> places;
  WriteSst(Table({{std::u16string(8211, u'a'), {}, {}}, {u"abc", {}, {}}}), &places);
  EXPECT_EQ(places[1].record, 1u);
  EXPECT_EQ(places[1].offset, 0u);
}

TEST(SharedStringTable, richTextRunsAndPhoneticBytesSurviveAcrossContinues) {
  SstString rich{std::u16string(8200, u'r'), HexBytes("00 00 05 00 03 00 06 00 07 00 05 00"),
                 HexBytes("01 02 03 04 05")};
  SstString plain{u"after", {}, {}};
  const SharedStrings original = Table({rich, plain, rich});
  const auto records = WriteSst(original);
  EXPECT_GT(records.size(), 1u);
  for (const auto& r : records) EXPECT_LE(r.data.size(), kMaxRecordData);
  const SharedStrings back = ReadSst(records);
  EXPECT_EQ(back.total, original.total);
  EXPECT_EQ(back.strings, original.strings);
}

TEST(SharedStringTable, extSstPointsAtEveryEighthString) {
  SharedStrings many;
  for (int i = 0; i < 3000; ++i)
    many.strings.push_back(
        {std::u16string(static_cast<std::size_t>(i % 37 + 1), static_cast<char16_t>(u'a' + i % 26)), {}, {}});
  std::vector<StringPlace> places;
  const auto records = WriteSst(many, &places);
  ASSERT_GT(records.size(), 1u);
  const std::size_t start = 1000;
  const Record ext = WriteExtSst(records, places, start);
  const Bytes stream = EncodeRecords(records);
  ByteReader in(ext.data);
  const std::uint16_t perBucket = in.u16();
  EXPECT_EQ(perBucket, 24);  // 3000 strings in at most 128 buckets
  std::size_t bucket = 0;
  while (!in.atEnd()) {
    const std::uint32_t position = in.u32();
    const std::uint16_t inRecord = in.u16();
    in.u16();
    const std::u16string& expected = many.strings[bucket * perBucket].text;
    // The string's length sits at the position given, and its record starts inRecord bytes earlier.
    const std::size_t at = position - start;
    EXPECT_EQ(GetU16(stream, at), expected.size());
    const std::size_t recordStart = at - inRecord;
    EXPECT_TRUE(GetU16(stream, recordStart) == rid::Sst || GetU16(stream, recordStart) == rid::Continue);
    ++bucket;
  }
  EXPECT_EQ(bucket, (3000u + perBucket - 1) / perBucket);
}

TEST(SharedStringTable, damagedTablesAreRefused) {
  // Claims a million strings in 8 bytes.
  EXPECT_THROW(ReadSst(std::vector{Record{rid::Sst, HexBytes("01 00 00 00 40 42 0F 00")}}), FormatError);
  // A string running past the end of the table.
  EXPECT_THROW(ReadSst(std::vector{Record{rid::Sst, HexBytes("01 00 00 00 01 00 00 00 05 00 00 61 62")}}), FormatError);
  // Too short for its counts.
  EXPECT_THROW(ReadSst(std::vector{Record{rid::Sst, HexBytes("01 00 00")}}), FormatError);
}

TEST(XlUnicodeString, readsBothWidthsAndSkipsRuns) {
  const Bytes compressedBytes = HexBytes("03 00 00 61 62 63");
  ByteReader compressed(compressedBytes);
  EXPECT_EQ(ReadXlUnicodeString(compressed, false), u"abc");
  const Bytes wideBytes = HexBytes("02 01 2D 4E 41 00");
  ByteReader wide(wideBytes);
  EXPECT_EQ(ReadXlUnicodeString(wide, true), u"\u4e2dA");
  const Bytes richBytes = HexBytes("01 00 08 01 00 7A 00 00 05 00 FF");
  ByteReader rich(richBytes);
  EXPECT_EQ(ReadXlUnicodeString(rich, false), u"z");
  EXPECT_EQ(rich.remaining(), 1u);
}

}  // namespace
}  // namespace vaporel::xls
