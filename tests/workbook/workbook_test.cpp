// The workbook as a whole: the committed template, the report's 18 cells
// written and read back (by this module and by xlrd), what stays unchanged,
// stable saves, and failures that leave the old file as it was.
#include "workbook/workbook.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

#include "report/report_template.hpp"
#include "support.hpp"
#include "workbook/book_records.hpp"
#include "workbook/cell_records.hpp"
#include "workbook/number_text.hpp"

namespace vaporel::xls {
namespace {

using test::ReadFile;
using test::TemplateBytes;
using test::WriteFile;

// The report's cells in the order they are written, with a typical state
// (pair 1, 1.01325 bar, 20 oC, 50 %) as the window shows it.
const std::vector<std::pair<const char*, const char*>> kReport = {
    {"A5", "Dry bulb temperature [oC] "},
    {"A6", "Relative humidity [%] "},
    {"B4", "1.01325"},
    {"B5", "20"},
    {"B6", "50"},
    {"B9", "1.013"},
    {"B10", "20.000"},
    {"B11", "13.76"},
    {"B12", "9.26"},
    {"B13", "0.00726"},
    {"B14", "1.199"},
    {"B15", "38.55"},
    {"B16", "0.01169"},
    {"B17", "50.00"},
    {"B20", "1.0057"},
    {"B21", "0.02566"},
    {"B22", "1.803E-05"},
    {"B23", "0.7133"},
};

Workbook OpenTemplate() {
  auto book = Workbook::fromFileBytes(TemplateBytes());
  EXPECT_TRUE(book.ok()) << (book.ok() ? "" : book.error().message());
  return std::move(*book);
}

void WriteReport(Workbook& book, const std::vector<std::pair<const char*, const char*>>& cells) {
  const auto sheet = book.sheetByName("Vaporel");
  ASSERT_TRUE(sheet.ok());
  for (const auto& [ref, text] : cells) ASSERT_TRUE(book.setCell(*sheet, ref, text).ok()) << ref;
}

// Runs the independent reader on `file`; `json` holds the expected cells.
int RunChecker(const std::filesystem::path& file, const std::string& json, const std::filesystem::path& dir) {
  std::string command = std::string(VAPOREL_PYTHON) + " " + VAPOREL_CHECK_WORKBOOK + " '" + file.string() + "'";
  if (!json.empty()) {
    const auto expect = dir / "expect.json";
    std::ofstream(expect) << json;
    command += " --expect '" + expect.string() + "'";
  }
  return std::system(command.c_str());
}

std::string ExpectJson(const std::vector<std::pair<const char*, const char*>>& cells) {
  std::string json = "{";
  for (const auto& [ref, text] : cells) {
    if (json.size() > 1) json += ", ";
    json += std::string("\"") + ref + "\": ";
    // A number goes as the JSON number of the same text, a text as a JSON string.
    json += SpreadsheetNumber(text) ? std::string(text) : "\"" + std::string(text) + "\"";
  }
  return json + "}";
}

class TemplateFile : public test::ScratchFolder {};

TEST_F(TemplateFile, isWhatTheGeneratorWrites) {
  const auto generated = ReportTemplateFile();
  ASSERT_TRUE(generated.ok());
  EXPECT_TRUE(*generated == TemplateBytes()) << "run make-template resources/Vaporel.xls";
}

TEST_F(TemplateFile, opensAndSavesUnchanged) {
  const Workbook book = OpenTemplate();
  EXPECT_EQ(book.sheetNames(), std::vector<std::string>{"Vaporel"});
  const auto saved = book.fileBytes();
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(*saved == TemplateBytes());
  // The stream too: read and written back record for record, padded to 4096 bytes.
  Bytes stream = ReportTemplateStream();
  const auto again = Workbook::fromStream(stream)->streamBytes();
  stream.resize(4096, 0);
  EXPECT_TRUE(*again == stream);
}

// Reports written from an older template keep empty HEADER/FOOTER records, which one
// reader fills with its own defaults: the writer turns them into empty strings.
TEST(HeaderAndFooter, emptyRecordsAreSavedAsEmptyStrings) {
  auto subs = ReadSubstreams(ReportTemplateStream());
  std::size_t blanked = 0;
  for (auto& r : subs.at(1).records) {
    if (r.id == rid::Header || r.id == rid::Footer) {
      r.data.clear();
      ++blanked;
    }
  }
  ASSERT_EQ(blanked, 2u);
  Bytes stream;
  for (const auto& sub : subs) {
    const Bytes part = EncodeRecords(sub.records);
    stream.insert(stream.end(), part.begin(), part.end());
  }
  const auto saved = Workbook::fromStream(stream)->streamBytes();
  ASSERT_TRUE(saved.ok());
  const auto reread = ReadSubstreams(*saved);
  for (const auto& r : reread.at(1).records) {
    if (r.id == rid::Header || r.id == rid::Footer) {
      EXPECT_EQ(r.data, (Bytes{0, 0, 0}));
    }
  }
}

TEST_F(TemplateFile, isFoundByNameAndPositionOnly) {
  const Workbook book = OpenTemplate();
  EXPECT_EQ(*book.sheetByName("Vaporel"), 0u);
  EXPECT_EQ(*book.sheetAt(0), 0u);
  EXPECT_EQ(book.sheetByName("vaporel").error().code, ErrorCode::NoSuchSheet);
  EXPECT_EQ(book.sheetByName("Sheet1").error().code, ErrorCode::NoSuchSheet);
  EXPECT_EQ(book.sheetAt(1).error().code, ErrorCode::NoSuchSheet);
}

TEST_F(TemplateFile, showsTheLayoutToARenderer) {
  const Workbook book = OpenTemplate();
  const auto view = book.view(0, CellRange{0, 22, 0, 2});
  ASSERT_TRUE(view.ok());
  EXPECT_EQ(view->name, "Vaporel");
  EXPECT_EQ(view->at(0, 0).text, "THERMODYNAMIC PROPERTIES OF VAPOREL");
  EXPECT_EQ(view->at(0, 0).font.name, "Verdana");
  EXPECT_EQ(view->at(0, 0).font.heightTwips, 240);
  EXPECT_TRUE(view->at(0, 0).font.bold);
  EXPECT_EQ(view->at(0, 0).hAlign, HAlign::Centre);
  EXPECT_EQ(view->at(0, 0).vAlign, VAlign::Centre);
  EXPECT_EQ(view->at(2, 0).fill.pattern, 1);
  EXPECT_EQ(view->at(2, 0).fill.fore, (Rgb{128, 128, 128}));
  EXPECT_EQ(view->at(2, 0).font.colour, (Rgb{255, 255, 255}));
  EXPECT_EQ(view->at(2, 0).vAlign, VAlign::Bottom);
  EXPECT_EQ(view->at(18, 0).vAlign, VAlign::Centre);
  EXPECT_EQ(view->at(2, 1).fill.fore, (Rgb{192, 192, 192}));
  EXPECT_EQ(view->at(2, 1).hAlign, HAlign::General);
  EXPECT_EQ(view->at(4, 1).fill.pattern, 0);
  EXPECT_EQ(view->at(4, 1).font.colourIndex, 0x7FFF);
  EXPECT_EQ(view->at(10, 1).formatIndex, 2);
  EXPECT_EQ(view->at(21, 1).formatIndex, 11);
  EXPECT_EQ(view->at(21, 2).formatIndex, 11);
  EXPECT_EQ(view->at(4, 1).value.kind, CellKind::Empty);
  EXPECT_EQ(view->columnWidths, (std::vector<std::uint16_t>{10459, 5083, 3254}));
  EXPECT_EQ(view->rowHeights.front(), 375);
  EXPECT_EQ(view->rowHeights.back(), 300);
  EXPECT_EQ(view->merges, (std::vector<CellRange>{{0, 0, 0, 1}, {1, 1, 0, 1}, {6, 6, 0, 1}, {17, 17, 0, 1}}));
  ASSERT_TRUE(view->printArea.has_value());
  EXPECT_EQ(*view->printArea, (CellRange{0, 22, 0, 1}));
  EXPECT_TRUE(view->print.setup.portrait());
  EXPECT_TRUE(view->print.setup.settingsValid());
  EXPECT_EQ(view->print.setup.paperSize, 1);
  EXPECT_EQ(view->print.setup.scale, 100);
  EXPECT_EQ(view->print.setup.headerMargin, 0.5);
  EXPECT_EQ(view->print.setup.footerMargin, 0.5);
  EXPECT_FALSE(view->print.printGridlines);
  EXPECT_FALSE(view->print.printHeadings);
  EXPECT_FALSE(view->print.fitToPage);
  EXPECT_EQ(view->standardFont.name, "Arial");

  EXPECT_EQ(**book.printArea(0), (CellRange{0, 22, 0, 1}));
  EXPECT_EQ(**book.usedRange(0), (CellRange{0, 22, 0, 11}));

  const auto far = book.view(0, CellRange{30, 30, 20, 20});
  ASSERT_TRUE(far.ok());
  EXPECT_EQ(far->columnWidths, std::vector<std::uint16_t>{2340});
  EXPECT_EQ(far->rowHeights, std::vector<std::uint16_t>{255});
}

class Report : public test::ScratchFolder {};

TEST_F(Report, cellsReadBackAsNumbersOrTextsKeepingTheirFormats) {
  Workbook book = OpenTemplate();
  WriteReport(book, kReport);
  const auto path = dir_ / "Vaporel.xls";
  ASSERT_TRUE(book.save(path).ok());
  const auto back = Workbook::open(path);
  ASSERT_TRUE(back.ok());

  const auto a5 = back->cell(0, "A5");
  EXPECT_EQ(a5->value.kind, CellKind::Text);
  EXPECT_EQ(a5->value.text, "Dry bulb temperature [oC] ");
  const auto b4 = back->cell(0, "B4");
  EXPECT_EQ(b4->value.kind, CellKind::Number);
  EXPECT_EQ(b4->value.number, 1.01325);
  const auto b22 = back->cell(0, "B22");
  EXPECT_EQ(b22->value.number, 1.803e-05);
  EXPECT_EQ(b22->formatIndex, 11);
  EXPECT_EQ(b22->formatCode, "0.00E+00");
  EXPECT_EQ(back->cell(0, "B11")->formatIndex, 2);

  const auto view = back->view(0, CellRange{0, 22, 0, 1});
  EXPECT_EQ(view->at(10, 1).text, "13.76");
  EXPECT_EQ(view->at(21, 1).text, "1.80E-05");
  EXPECT_EQ(view->at(9, 1).text, "20");
  EXPECT_EQ(view->at(12, 1).text, "0.00726");
  EXPECT_EQ(view->at(4, 0).text, "Dry bulb temperature [oC] ");
  EXPECT_EQ(view->at(4, 1).font.name, "Verdana");
  EXPECT_EQ(view->at(4, 1).hAlign, HAlign::Centre);

  EXPECT_EQ(RunChecker(path, ExpectJson(kReport), dir_), 0);
}

// Reports that other spreadsheet programs re-saved take the report's cells like the template.
TEST_F(Report, reSavedByOtherProgramsTakeTheCells) {
  for (const char* name : {"report-resaved-by-calc.xls", "report-resaved-by-gnumeric.xls"}) {
    auto book = Workbook::open(std::string(VAPOREL_RESAVED_DIR "/") + name);
    ASSERT_TRUE(book.ok()) << name << ": " << book.error().message();
    WriteReport(*book, kReport);
    const auto path = dir_ / name;
    ASSERT_TRUE(book->save(path).ok()) << name;
    const auto back = Workbook::open(path);
    ASSERT_TRUE(back.ok()) << name;
    EXPECT_EQ(back->cell(0, "B4")->value.number, 1.01325) << name;
    // Their styles are the other program's; xlrd must read the cells written.
    const std::string xlrd = std::string(VAPOREL_PYTHON) +
                             " -c \"import sys, xlrd; s = xlrd.open_workbook(sys.argv[1]).sheet_by_name('Vaporel');"
                             " sys.exit(s.cell_value(3, 1) != 1.01325)\" '" +
                             path.string() + "'";
    EXPECT_EQ(std::system(xlrd.c_str()), 0) << name;
  }
}

TEST_F(Report, everythingElseStaysAsItWas) {
  const Workbook before = OpenTemplate();
  Workbook after = OpenTemplate();
  WriteReport(after, kReport);
  const auto reread = Workbook::fromFileBytes(*after.fileBytes());
  ASSERT_TRUE(reread.ok());

  std::map<std::string, bool> edited;
  for (const auto& [ref, text] : kReport) edited[ref] = true;
  for (std::uint16_t r = 0; r < 40; ++r) {
    for (std::uint16_t c = 0; c < 14; ++c) {
      const CellRef ref{r, c};
      const auto old = before.cell(0, ref);
      const auto now = reread->cell(0, ref);
      EXPECT_EQ(now->xf, old->xf) << CellRefText(ref);  // every cell keeps its look
      if (edited.count(CellRefText(ref))) continue;
      EXPECT_EQ(now->value.kind, old->value.kind) << CellRefText(ref);
      EXPECT_EQ(now->value.text, old->value.text) << CellRefText(ref);
      EXPECT_EQ(now->hasRecord, old->hasRecord) << CellRefText(ref);
    }
  }

  // Record by record: only cell records and the string table differ, and the
  // sheet's position in BOUNDSHEET.
  const auto oldSubs = ReadSubstreams(*before.streamBytes());
  const auto newSubs = ReadSubstreams(*reread->streamBytes());
  ASSERT_EQ(oldSubs.size(), newSubs.size());
  const auto keep = [](const std::vector<Record>& records) {
    std::vector<Record> out;
    for (Record r : records) {
      if (IsCellRecord(r.id) || r.id == rid::Sst || r.id == rid::Continue || r.id == rid::ExtSst) continue;
      if (r.id == rid::BoundSheet) PutU32(r.data, 0, 0);
      out.push_back(r);
    }
    return out;
  };
  for (std::size_t i = 0; i < oldSubs.size(); ++i) {
    EXPECT_TRUE(keep(oldSubs[i].records) == keep(newSubs[i].records)) << "substream " << i;
  }
}

TEST_F(Report, savingTwiceGivesTheSameBytes) {
  const auto path = dir_ / "Vaporel.xls";
  WriteFile(path, TemplateBytes());
  for (int run = 0; run < 3; ++run) {
    auto book = Workbook::open(path);
    ASSERT_TRUE(book.ok());
    WriteReport(*book, kReport);
    ASSERT_TRUE(book->save(path).ok());
  }
  const Bytes third = ReadFile(path);
  auto book = Workbook::open(path);
  ASSERT_TRUE(book->save(dir_ / "copy.xls").ok());
  EXPECT_TRUE(ReadFile(dir_ / "copy.xls") == third);
  // A report over an earlier report is the same as over the template.
  Workbook fresh = OpenTemplate();
  WriteReport(fresh, kReport);
  EXPECT_TRUE(*fresh.fileBytes() == third);
}

TEST_F(Report, textReplacingANumberAndBackAgain) {
  Workbook book = OpenTemplate();
  ASSERT_TRUE(book.setCell(0, "B5", "20").ok());
  ASSERT_TRUE(book.setCell(0, "B5", "Absolute humidity [-] ").ok());
  ASSERT_TRUE(book.setCell(0, "A5", "Absolute humidity [-] ").ok());
  ASSERT_TRUE(book.setCell(0, "B6", "0,0123", ',').ok());
  auto back = Workbook::fromFileBytes(*book.fileBytes());
  EXPECT_EQ(back->cell(0, "B5")->value.text, "Absolute humidity [-] ");
  EXPECT_EQ(back->cell(0, "B6")->value.number, 0.0123);
  // One shared string for the two equal texts, none left for replaced ones.
  const auto subs = ReadSubstreams(*back->streamBytes());
  std::vector<Record> sst;
  for (const auto& r : subs[0].records) {
    if (r.id == rid::Sst || r.id == rid::Continue) sst.push_back(r);
  }
  const auto strings = ReadSst(sst);
  EXPECT_EQ(strings.strings.size(), 21u);  // 21 texts in column A, A5 replaced by a new one
  EXPECT_EQ(strings.total, 22u);
}

TEST_F(Report, cellsOutsideTheLayoutAreAdded) {
  Workbook book = OpenTemplate();
  ASSERT_TRUE(book.setCell(0, "N30", "42").ok());
  ASSERT_TRUE(book.setCell(0, "M30", "left of it").ok());
  ASSERT_TRUE(book.setCell(0, "B40", "1e3").ok());
  const auto path = dir_ / "grown.xls";
  ASSERT_TRUE(book.save(path).ok());
  auto back = Workbook::open(path);
  EXPECT_EQ(back->cell(0, "N30")->value.number, 42.0);
  EXPECT_EQ(back->cell(0, "M30")->value.text, "left of it");
  EXPECT_EQ(back->cell(0, "B40")->value.number, 1000.0);
  EXPECT_EQ(back->cell(0, "B40")->xf, 15);  // column B's default look
  EXPECT_EQ(RunChecker(path, R"({"N30": 42, "M30": "left of it", "B40": 1000})", dir_), 0);
}

TEST_F(Report, longTextsAndManyStringsSurviveAcrossContinueRecords) {
  Workbook book = OpenTemplate();
  const std::string longText(20000, 'x');
  ASSERT_TRUE(book.setCell(0, "N1", longText).ok());
  ASSERT_TRUE(book.setCell(0, "N2", "\xE4\xB8\xAD\xE6\x96\x87 \xC3\xA9").ok());  // 中文 é
  for (int r = 30; r < 600; ++r)
    ASSERT_TRUE(book.setCell(0, CellRef{static_cast<std::uint16_t>(r), 0}, "text " + std::to_string(r)).ok());
  ASSERT_EQ(book.setCell(0, "N3", std::string(32768, 'y')).error().code, ErrorCode::TextTooLong);
  const auto path = dir_ / "long.xls";
  ASSERT_TRUE(book.save(path).ok());
  auto back = Workbook::open(path);
  EXPECT_EQ(back->cell(0, "N1")->value.text, longText);
  EXPECT_EQ(back->cell(0, "N2")->value.text, "\xE4\xB8\xAD\xE6\x96\x87 \xC3\xA9");
  EXPECT_EQ(back->cell(0, "A600")->value.text, "text 599");
  EXPECT_EQ(RunChecker(path, R"({"N2": "\u4e2d\u6587 \u00e9", "A600": "text 599", "A31": "text 30"})", dir_), 0);
}

TEST_F(Report, badReferencesAndSheetsAreRefused) {
  Workbook book = OpenTemplate();
  const Bytes before = *book.fileBytes();
  EXPECT_EQ(book.setCell(0, "B0", "1").error().code, ErrorCode::BadCellReference);
  EXPECT_EQ(book.setCell(0, "IW1", "1").error().code, ErrorCode::BadCellReference);
  EXPECT_EQ(book.setCell(3, "B4", "1").error().code, ErrorCode::NoSuchSheet);
  EXPECT_EQ(book.cell(0, "").error().code, ErrorCode::BadCellReference);
  EXPECT_EQ(book.view(0, CellRange{5, 4, 0, 1}).error().code, ErrorCode::BadRange);
  EXPECT_EQ(book.view(0, CellRange{0, 65535, 0, 255}).error().code, ErrorCode::BadRange);
  EXPECT_TRUE(*book.fileBytes() == before);
}

// Makes a folder in which no file can be created or replaced, even by root
// (the immutable attribute); restores it at the end.
class LockedFolder {
 public:
  explicit LockedFolder(const std::filesystem::path& dir) : dir_(dir) {
    fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      locked_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!locked_ && ::geteuid() != 0) {
      std::filesystem::permissions(dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
      locked_ = true;
    }
  }
  ~LockedFolder() {
    int flags = 0;
    if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
    }
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    if (fd_ >= 0) ::close(fd_);
  }
  bool locked() const { return locked_; }

 private:
  std::filesystem::path dir_;
  int fd_ = -1;
  bool locked_ = false;
};

class Failure : public test::ScratchFolder {};

TEST_F(Failure, unwritableFolderLeavesTheOldReportAsItWas) {
  const auto folder = dir_ / "program";
  std::filesystem::create_directories(folder);
  const auto path = folder / "Vaporel.xls";
  WriteFile(path, TemplateBytes());
  auto book = Workbook::open(path);
  ASSERT_TRUE(book.ok());
  WriteReport(*book, kReport);
  {
    LockedFolder lock(folder);
    if (!lock.locked()) GTEST_SKIP() << "cannot make a folder unwritable here";
    const auto saved = book->save(path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().code, ErrorCode::NotWritable);
  }
  EXPECT_TRUE(ReadFile(path) == TemplateBytes());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "a temporary file was left";
}

TEST_F(Failure, saveReplacesTheFileWholeKeepingItsMode) {
  // The new file is written beside the old one and renamed over it: the old
  // file's inode is never opened for writing, and the mode survives.
  const auto path = dir_ / "Vaporel.xls";
  WriteFile(path, TemplateBytes());
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  const auto holder = dir_ / "held.xls";
  std::filesystem::create_hard_link(path, holder);  // a second name for the old inode
  Workbook book = OpenTemplate();
  WriteReport(book, kReport);
  ASSERT_TRUE(book.save(path).ok());
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_TRUE(ReadFile(holder) == TemplateBytes());  // the old inode was not touched
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);
}

TEST_F(Failure, directoryWhereTheFileShouldBe) {
  const auto path = dir_ / "Vaporel.xls";
  std::filesystem::create_directories(path / "inside");
  EXPECT_EQ(Workbook::open(path).error().code, ErrorCode::IsDirectory);
  const Workbook book = OpenTemplate();
  EXPECT_EQ(book.save(path).error().code, ErrorCode::IsDirectory);
  EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "a temporary file was left";
}

TEST_F(Failure, missingFileAndMissingFolder) {
  EXPECT_EQ(Workbook::open(dir_ / "Vaporel.xls").error().code, ErrorCode::FileMissing);
  EXPECT_EQ(Workbook::open(dir_ / "no" / "Vaporel.xls").error().code, ErrorCode::FileMissing);
  const Workbook book = OpenTemplate();
  EXPECT_EQ(book.save(dir_ / "no" / "Vaporel.xls").error().code, ErrorCode::NotWritable);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "no"));
}

TEST_F(Failure, unreadableFilesAreReportedByKind) {
  const auto text = dir_ / "text.xls";
  std::ofstream(text) << "THERMODYNAMIC PROPERTIES OF VAPOREL\n";
  EXPECT_EQ(Workbook::open(text).error().code, ErrorCode::NotCompoundFile);

  const auto empty = dir_ / "empty.xls";
  WriteFile(empty, {});
  EXPECT_EQ(Workbook::open(empty).error().code, ErrorCode::NotCompoundFile);

  // A compound file holding only an older "Book" stream.
  OleFile old;
  old.entries.push_back(OleEntry{"Book", false, Bytes(5000, 0), {}, {}});
  const auto oldPath = dir_ / "old.xls";
  WriteFile(oldPath, *EncodeOleFile(old));
  EXPECT_EQ(Workbook::open(oldPath).error().code, ErrorCode::NoWorkbookStream);

  // A Workbook stream cut inside a record.
  Bytes stream = ReportTemplateStream();
  stream.erase(stream.end() - 3, stream.end());
  EXPECT_EQ(Workbook::fromStream(stream).error().code, ErrorCode::Damaged);

  // A password-protected workbook.
  Bytes encrypted = EncodeRecords(
      std::vector{Record{rid::Bof, WriteBof(0x0005).data}, Record{rid::FilePass, Bytes(6, 0)}, Record{rid::Eof, {}}});
  EXPECT_EQ(Workbook::fromStream(encrypted).error().code, ErrorCode::Encrypted);

  // A string cell pointing past the string table.
  Bytes badIndex = ReportTemplateStream();
  const auto subs = ReadSubstreams(badIndex);
  std::size_t pos = subs[1].offset;
  for (const auto& r : subs[1].records) {
    if (r.id == rid::LabelSst) {
      PutU32(badIndex, pos + 4 + 6, 999);
      break;
    }
    pos += RecordSize(r);
  }
  EXPECT_EQ(Workbook::fromStream(badIndex).error().code, ErrorCode::Damaged);

  // A cell whose format index names no XF of the file (a writer would carry it on).
  for (const std::uint16_t xf : {std::uint16_t{29}, std::uint16_t{86}, std::uint16_t{10540}}) {
    Bytes badXf = ReportTemplateStream();
    std::size_t at = subs[1].offset;
    for (const auto& r : subs[1].records) {
      if (r.id == rid::LabelSst || r.id == rid::Blank) {
        PutU16(badXf, at + 4 + 4, xf);
        break;
      }
      at += RecordSize(r);
    }
    EXPECT_EQ(Workbook::fromStream(badXf).error().code, ErrorCode::Damaged) << xf;
  }
}

TEST_F(Failure, truncatedFileLeavesNothingWritten) {
  const auto path = dir_ / "Vaporel.xls";
  const Bytes whole = TemplateBytes();
  const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
  WriteFile(path, cut);
  const auto book = Workbook::open(path);
  ASSERT_FALSE(book.ok());
  EXPECT_TRUE(book.error().code == ErrorCode::NotCompoundFile || book.error().code == ErrorCode::Damaged)
      << book.error().message();
  EXPECT_TRUE(ReadFile(path) == cut);
}

// Damaged input of every kind must give an error or a workbook, never a crash, a throw
// or a hang; every public function of a workbook that opens must answer with a value.
void Exercise(const Result<Workbook>& opened, const std::filesystem::path& saveTo = {}) {
  if (!opened.ok()) {
    EXPECT_FALSE(opened.error().message().empty());
    return;
  }
  Workbook book = *opened;
  EXPECT_NO_THROW({
    (void)book.sheetByName("Vaporel");
    for (std::size_t i = 0; i <= book.sheetNames().size(); ++i) {
      (void)book.sheetAt(i);
      (void)book.cell(i, "B4");
      (void)book.printArea(i);
      (void)book.usedRange(i);
      (void)book.view(i, CellRange{0, 25, 0, 3});
      (void)book.setCell(i, "B4", "1.01325");
      (void)book.setCell(i, "A5", "text");
      (void)book.setCell(i, "Z99", "2");
    }
    (void)book.streamBytes();
    (void)book.fileBytes();
    if (!saveTo.empty()) (void)book.save(saveTo.string());
  });
}

// Reports that crashed an earlier build, each kept as found.
TEST_F(Failure, damagedReportsAnswerEveryCallWithAValue) {
  for (const auto& entry : std::filesystem::directory_iterator(VAPOREL_DAMAGED_DIR)) {
    SCOPED_TRACE(entry.path().filename().string());
    const Bytes before = ReadFile(entry.path());
    Exercise(Workbook::open(entry.path().string()), dir_ / "saved.xls");
    Exercise(Workbook::fromFileBytes(before));
    EXPECT_TRUE(ReadFile(entry.path()) == before);
  }
  // The one found first: damage that opening let through and a later call tripped over.
  const auto book = Workbook::open(std::string(VAPOREL_DAMAGED_DIR) + "/record-shorter-than-its-fields.xls");
  const auto sheet = book ? book->sheetByName("Vaporel") : Result<std::size_t>(book.error());
  ASSERT_FALSE(sheet.ok());
  EXPECT_EQ(sheet.error().code, ErrorCode::Damaged) << sheet.error().message();
}

TEST(Fuzz, truncatedAndBitFlippedTemplatesNeverCrash) {
  const Bytes file = TemplateBytes();
  const Bytes stream = ReportTemplateStream();
  for (std::size_t n = 0; n < stream.size(); n += (n < 64 || n > stream.size() - 64) ? 1u : 7u) {
    Exercise(Workbook::fromStream(Bytes(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(n))));
  }
  for (std::size_t n = 0; n < file.size(); n += 97) {
    Exercise(Workbook::fromFileBytes(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n))));
  }
  std::uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 3000; ++round) {
    Bytes flipped = stream;
    const int flips = 1 + static_cast<int>(next() % 4);
    for (int f = 0; f < flips; ++f) flipped[next() % flipped.size()] ^= static_cast<std::uint8_t>(1u << (next() % 8));
    Exercise(Workbook::fromStream(flipped));
  }
  for (int round = 0; round < 300; ++round) {
    Bytes flipped = file;
    flipped[next() % flipped.size()] ^= static_cast<std::uint8_t>(1u << (next() % 8));
    Exercise(Workbook::fromFileBytes(flipped));
  }
}

}  // namespace
}  // namespace vaporel::xls

namespace vaporel::xls {
namespace {

// A two-sheet workbook as spreadsheet programs write them: row blocks with
// INDEX/DBCELL, RK numbers, a formula with its string, a record this module
// does not know, and a second sheet after the first.
Bytes TwoSheetStream() {
  std::vector<Record> sheet1{WriteBof(kBofWorksheet),
                             WriteIndex({0, 2, 0, {0}}),
                             WriteU16Record(rid::DefColWidth, 8),
                             WriteDimensions({0, 2, 0, 3}),
                             WriteRow([] {
                               RowInfo r;
                               r.row = 0;
                               r.lastColPlus1 = 3;
                               return r;
                             }()),
                             WriteRow([] {
                               RowInfo r;
                               r.row = 1;
                               r.lastColPlus1 = 1;
                               return r;
                             }()),
                             WriteMulRk({0, 0, {{15, (1u << 2) | 2}, {15, (2u << 2) | 2}, {15, (3u << 2) | 2}}}),
                             Record{rid::Formula,
                                    [] {
                                      ByteWriter w;
                                      w.u16(1).u16(0).u16(15).u16(0).u16(0).u16(0).u16(0xFFFF).u16(0).u32(0).u16(0);
                                      return w.take();
                                    }()},
                             Record{rid::String, {2, 0, 0, 'o', 'k'}},
                             WriteDbCell({0, {0, 0}}),
                             Record{0x0867, {1, 2, 3, 4, 5, 6, 7}},  // unknown to the module
                             Record{rid::Window2, Bytes(18, 0)},
                             Record{rid::Eof, {}}};
  std::vector<Record> sheet2{WriteBof(kBofWorksheet), WriteDimensions({0, 0, 0, 0}), Record{rid::Window2, Bytes(18, 0)},
                             Record{rid::Eof, {}}};
  std::vector<Record> globals{WriteBof(0x0005)};
  for (int i = 0; i < 4; ++i) globals.push_back(WriteFont(FontRecord{}));
  for (int i = 0; i < 16; ++i) globals.push_back(WriteXf(i < 15 ? XfRecord::style(0) : XfRecord{}));
  globals.push_back(WriteBoundSheet({0, 0, 0, u"First"}));
  globals.push_back(WriteBoundSheet({0, 0, 0, u"Second"}));
  SharedStrings none;
  for (auto& r : WriteSst(none)) globals.push_back(r);
  globals.push_back(Record{rid::Eof, {}});
  std::size_t pos = EncodeRecords(globals).size();
  PutU32(globals[21].data, 0, static_cast<std::uint32_t>(pos));
  pos += EncodeRecords(sheet1).size();
  PutU32(globals[22].data, 0, static_cast<std::uint32_t>(pos));
  Bytes stream = EncodeRecords(globals);
  for (const auto& r : sheet1) AppendRecord(stream, r);
  for (const auto& r : sheet2) AppendRecord(stream, r);
  return stream;
}

TEST(SpreadsheetWrittenBook, editKeepsRowBlocksSheetPositionsAndUnknownRecords) {
  auto book = Workbook::fromStream(TwoSheetStream());
  ASSERT_TRUE(book.ok()) << book.error().message();
  EXPECT_EQ(book->sheetNames(), (std::vector<std::string>{"First", "Second"}));
  EXPECT_EQ(book->cell(0, "A2")->value.text, "ok");
  EXPECT_EQ(book->cell(0, "B1")->value.number, 2.0);
  ASSERT_TRUE(book->setCell(0, "B1", "a longer text than the number was").ok());
  ASSERT_TRUE(book->setCell(*book->sheetByName("Second"), "C3", "7").ok());

  const Bytes stream = *book->streamBytes();
  const auto subs = ReadSubstreams(stream);
  ASSERT_EQ(subs.size(), 3u);
  // Each BOUNDSHEET points at its sheet's BOF.
  std::vector<std::uint32_t> positions;
  for (const auto& r : subs[0].records) {
    if (r.id == rid::BoundSheet) positions.push_back(ReadBoundSheet(r).position);
  }
  EXPECT_EQ(positions, (std::vector<std::uint32_t>{static_cast<std::uint32_t>(subs[1].offset),
                                                   static_cast<std::uint32_t>(subs[2].offset)}));
  // INDEX points at the DBCELL, the DBCELL back at the first ROW and the rows' first cells.
  const auto& s1 = subs[1].records;
  std::vector<std::size_t> at(s1.size());
  for (std::size_t i = 0, p = subs[1].offset; i < s1.size(); p += RecordSize(s1[i]), ++i) at[i] = p;
  const auto find = [&](std::uint16_t id) {
    return static_cast<std::size_t>(std::find_if(s1.begin(), s1.end(), [&](const Record& r) { return r.id == id; }) -
                                    s1.begin());
  };
  const IndexRecord index = ReadIndex(s1[find(rid::Index)]);
  const std::size_t db = find(rid::DbCell);
  EXPECT_EQ(index.dbCellPositions, std::vector<std::uint32_t>{static_cast<std::uint32_t>(at[db])});
  EXPECT_EQ(index.defColWidthPos, at[find(rid::DefColWidth)]);
  const DbCell cells = ReadDbCell(s1[db]);
  const std::size_t firstRow = find(rid::Row);
  EXPECT_EQ(at[db] - cells.firstRowOffset, at[firstRow]);
  ASSERT_EQ(cells.cellOffsets.size(), 2u);
  const std::size_t rowZeroCells = at[firstRow] + 20 + cells.cellOffsets[0];
  const std::size_t rowOneCells = rowZeroCells + cells.cellOffsets[1];
  EXPECT_EQ(rowZeroCells, at[find(rid::Rk)]);  // the split left an RK for A1
  EXPECT_EQ(rowOneCells, at[find(rid::Formula)]);
  // The unknown record went through untouched; the formula kept its string.
  EXPECT_EQ(s1[find(0x0867)].data, (Bytes{1, 2, 3, 4, 5, 6, 7}));
  const auto back = Workbook::fromStream(stream);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->cell(0, "A1")->value.number, 1.0);
  EXPECT_EQ(back->cell(0, "B1")->value.text, "a longer text than the number was");
  EXPECT_EQ(back->cell(0, "C1")->value.number, 3.0);
  EXPECT_EQ(back->cell(0, "A2")->value.text, "ok");
  EXPECT_EQ(back->cell(1, "C3")->value.number, 7.0);
  EXPECT_TRUE(*back->streamBytes() == stream);
}

}  // namespace
}  // namespace vaporel::xls
