#pragma once
// BIFF8 record framing: a record is a 2-byte identifier, a 2-byte length and its
// payload. A Workbook stream is a globals substream followed by one substream per
// sheet, each running from its BOF to the matching EOF.

#include <cstdint>
#include <span>
#include <vector>

#include "workbook/byte_io.hpp"

namespace vaporel::xls {

namespace rid {
constexpr std::uint16_t Formula = 0x0006;
constexpr std::uint16_t Eof = 0x000A;
constexpr std::uint16_t CalcCount = 0x000C;
constexpr std::uint16_t CalcMode = 0x000D;
constexpr std::uint16_t Precision = 0x000E;
constexpr std::uint16_t RefMode = 0x000F;
constexpr std::uint16_t Delta = 0x0010;
constexpr std::uint16_t Iteration = 0x0011;
constexpr std::uint16_t Protect = 0x0012;
constexpr std::uint16_t Password = 0x0013;
constexpr std::uint16_t Header = 0x0014;
constexpr std::uint16_t Footer = 0x0015;
constexpr std::uint16_t ExternSheet = 0x0017;
constexpr std::uint16_t Name = 0x0018;
constexpr std::uint16_t WindowProtect = 0x0019;
constexpr std::uint16_t DateMode = 0x0022;
constexpr std::uint16_t LeftMargin = 0x0026;
constexpr std::uint16_t RightMargin = 0x0027;
constexpr std::uint16_t TopMargin = 0x0028;
constexpr std::uint16_t BottomMargin = 0x0029;
constexpr std::uint16_t PrintHeaders = 0x002A;
constexpr std::uint16_t PrintGridlines = 0x002B;
constexpr std::uint16_t FilePass = 0x002F;
constexpr std::uint16_t Font = 0x0031;
constexpr std::uint16_t Continue = 0x003C;
constexpr std::uint16_t Window1 = 0x003D;
constexpr std::uint16_t Backup = 0x0040;
constexpr std::uint16_t CodePage = 0x0042;
constexpr std::uint16_t DefColWidth = 0x0055;
constexpr std::uint16_t WriteAccess = 0x005C;
constexpr std::uint16_t SaveRecalc = 0x005F;
constexpr std::uint16_t ColInfo = 0x007D;
constexpr std::uint16_t Guts = 0x0080;
constexpr std::uint16_t WsBool = 0x0081;
constexpr std::uint16_t GridSet = 0x0082;
constexpr std::uint16_t HCenter = 0x0083;
constexpr std::uint16_t VCenter = 0x0084;
constexpr std::uint16_t BoundSheet = 0x0085;
constexpr std::uint16_t Country = 0x008C;
constexpr std::uint16_t HideObj = 0x008D;
constexpr std::uint16_t Palette = 0x0092;
constexpr std::uint16_t StandardWidth = 0x0099;
constexpr std::uint16_t FnGroupCount = 0x009C;
constexpr std::uint16_t Setup = 0x00A1;
constexpr std::uint16_t MulRk = 0x00BD;
constexpr std::uint16_t MulBlank = 0x00BE;
constexpr std::uint16_t Mms = 0x00C1;
constexpr std::uint16_t RString = 0x00D6;
constexpr std::uint16_t DbCell = 0x00D7;
constexpr std::uint16_t BookBool = 0x00DA;
constexpr std::uint16_t Xf = 0x00E0;
constexpr std::uint16_t InterfaceHdr = 0x00E1;
constexpr std::uint16_t InterfaceEnd = 0x00E2;
constexpr std::uint16_t MergedCells = 0x00E5;
constexpr std::uint16_t Sst = 0x00FC;
constexpr std::uint16_t LabelSst = 0x00FD;
constexpr std::uint16_t ExtSst = 0x00FF;
constexpr std::uint16_t TabId = 0x013D;
constexpr std::uint16_t UsesElfs = 0x0160;
constexpr std::uint16_t Dsf = 0x0161;
constexpr std::uint16_t SupBook = 0x01AE;
constexpr std::uint16_t Prot4Rev = 0x01AF;
constexpr std::uint16_t RefreshAll = 0x01B7;
constexpr std::uint16_t Prot4RevPass = 0x01BC;
constexpr std::uint16_t Dimensions = 0x0200;
constexpr std::uint16_t Blank = 0x0201;
constexpr std::uint16_t Number = 0x0203;
constexpr std::uint16_t Label = 0x0204;
constexpr std::uint16_t BoolErr = 0x0205;
constexpr std::uint16_t String = 0x0207;
constexpr std::uint16_t Row = 0x0208;
constexpr std::uint16_t Index = 0x020B;
constexpr std::uint16_t Array = 0x0221;
constexpr std::uint16_t DefaultRowHeight = 0x0225;
constexpr std::uint16_t Table = 0x0236;
constexpr std::uint16_t Window2 = 0x023E;
constexpr std::uint16_t Rk = 0x027E;
constexpr std::uint16_t Style = 0x0293;
constexpr std::uint16_t Format = 0x041E;
constexpr std::uint16_t ShrFmla = 0x04BC;
constexpr std::uint16_t Bof = 0x0809;
}  // namespace rid

// Largest payload a BIFF8 record may carry; longer data goes into CONTINUE records.
constexpr std::size_t kMaxRecordData = 8224;

struct Record {
  std::uint16_t id = 0;
  Bytes data;
  bool operator==(const Record&) const = default;
};

// One substream: BOF ... EOF, nested substreams (embedded charts) included.
struct Substream {
  std::size_t offset = 0;  // stream position of its BOF when read
  std::vector<Record> records;
};

// Splits a Workbook stream into substreams; trailing zero padding is ignored.
// Throws FormatError on truncation, a missing EOF or garbage between substreams.
std::vector<Substream> ReadSubstreams(std::span<const std::uint8_t> stream);

// Size of a record on disk (header + payload).
inline std::size_t RecordSize(const Record& r) { return 4 + r.data.size(); }

// Appends header + payload.
void AppendRecord(Bytes& out, const Record& r);
Bytes EncodeRecords(std::span<const Record> records);

// The BOF payload's substream type: 0x0005 globals, 0x0010 worksheet, 0x0020 chart...
std::uint16_t BofType(const Record& bof);

}  // namespace vaporel::xls
