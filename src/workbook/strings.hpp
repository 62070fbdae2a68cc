#pragma once
// BIFF8 strings: XLUnicodeString (16-bit length), ShortXLUnicodeString (8-bit
// length), and the shared-string table (SST) with its CONTINUE records and its
// EXTSST index.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "workbook/records.hpp"

namespace vaporel::xls {

// Reads length, flag byte and characters (rich-text runs and phonetic data skipped).
std::u16string ReadXlUnicodeString(ByteReader& in, bool shortLength);
// Writes compressed (one byte per character) when every character fits in a byte.
void WriteXlUnicodeString(ByteWriter& out, const std::u16string& s, bool shortLength);

// One shared string; formatting runs and phonetic data are kept as raw bytes.
struct SstString {
  std::u16string text;
  Bytes runs;      // 4 bytes per formatting run
  Bytes extended;  // ExtRst (phonetic) bytes
  bool operator==(const SstString&) const = default;
};

struct SharedStrings {
  std::uint32_t total = 0;  // number of LABELSST references
  std::vector<SstString> strings;
};

// Reads the SST payload followed by its CONTINUE payloads.
SharedStrings ReadSst(std::span<const Record> sstAndContinues);

// Where each string starts: record number within the SST group, offset in its payload.
struct StringPlace {
  std::size_t record = 0;
  std::size_t offset = 0;
};

// Writes SST + CONTINUE records, never splitting a string header, restarting a
// continued character run with its own flag byte.
std::vector<Record> WriteSst(const SharedStrings& sst, std::vector<StringPlace>* places = nullptr);

// EXTSST for an SST group written at stream position `sstPosition`.
Record WriteExtSst(std::span<const Record> sstGroup, std::span<const StringPlace> places, std::size_t sstPosition);

}  // namespace vaporel::xls
