#pragma once
// The OLE2 compound file around the Workbook stream, read and written with
// libgsf. Streams other than the Workbook (document properties and the like)
// are carried as bytes and written back unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "workbook/byte_io.hpp"
#include "workbook/result.hpp"

namespace vaporel::xls {

using ClassId = std::array<std::uint8_t, 16>;

struct OleEntry {
  std::string name;
  bool storage = false;
  Bytes data;                      // streams only
  ClassId classId{};               // storages only
  std::vector<OleEntry> children;  // storages only
};

struct OleFile {
  ClassId rootClassId{};
  std::vector<OleEntry> entries;  // top-level streams and storages, in file order
};

// Class identifier of a workbook: {00020820-0000-0000-C000-000000000046}.
ClassId WorkbookClassId();

// Biggest file the module opens: a report workbook is a few kilobytes.
constexpr std::size_t kMaxFileSize = 64u << 20;

Result<OleFile> ReadOleFile(const std::string& path);
Result<OleFile> ParseOleFile(const Bytes& fileBytes);
Result<Bytes> EncodeOleFile(const OleFile& file);

// Writes `bytes` to a temporary file in the target's folder and renames it over
// the target only once it is complete, so a failure leaves the old file as it was.
Status WriteFileAtomically(const std::string& path, const Bytes& bytes);

}  // namespace vaporel::xls
