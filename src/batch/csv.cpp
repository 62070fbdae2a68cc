#include "batch/csv.hpp"

#include <array>

#include "batch/batch.hpp"
#include "batch/json_output.hpp"
#include "calculation/result_texts.hpp"
#include "files/byte_order_mark.hpp"

namespace vaporel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool HasLetter(std::string_view s) {
  for (char c : s) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  }
  return false;
}

// A first line with letters is a header, unless its pair is named by symbols ("tdp+RH").
bool IsHeader(std::string_view line) {
  if (!HasLetter(line)) return false;
  std::string_view first = line.substr(0, line.find_first_of(",;"));
  while (!first.empty() && (first.front() == ' ' || first.front() == '"')) first.remove_prefix(1);
  while (!first.empty() && (first.back() == ' ' || first.back() == '"')) first.remove_suffix(1);
  return !PairNamed(first);
}

// Output is written in blocks of about this size rather than row by row.
constexpr std::size_t kFlushSize = 1 << 16;
// A row is four short numbers; a longer line is refused without being held in memory whole.
constexpr std::size_t kMaxLineLength = 4096;

// The text of a quoted field starting at the quote at `i` ("" is one quote); `i` ends
// after the closing quote.
std::string QuotedField(std::string_view line, std::size_t& i) {
  std::string field;
  for (++i; i < line.size(); ++i) {
    if (line[i] != '"') {
      field += line[i];
    } else if (i + 1 < line.size() && line[i + 1] == '"') {
      field += '"';
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return field;
}

// A row as one line of JSON: the inputs as given, the thirteen values (null when refused),
// the message and, with a zone, whether the state lies in it.
std::string JsonRow(const std::vector<std::string>& fields, const std::optional<BatchResult>& result,
                    const std::string& message, const std::string& inZone, const CsvFormat& format) {
  Json row = JsonDocument(format.units, ResultKeys());
  const char* inputs[] = {"pair", "p_in", "first", "second"};
  for (std::size_t i = 0; i < 4; ++i) row[inputs[i]] = i < fields.size() ? fields[i] : std::string();
  const bool accepted = result && !result->refusal;
  const std::array<double, 13> values = accepted ? ResultFigures(*result, format.units) : std::array<double, 13>{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    row[std::string(kResultFields[i].symbol)] = accepted ? JsonNumber(values[i]) : Json(nullptr);
  }
  row["message"] = message;
  if (format.zone) row["in_zone"] = inZone.empty() ? Json(nullptr) : Json(inZone == "1");
  if (format.formulation->id() == FormulationId::Ashrae) row["formulation"] = "ashrae";
  return JsonText(row, -1);
}

}  // namespace

char CsvDelimiter(const Numbers& numbers) { return numbers.decimalSeparator() == ',' ? ';' : ','; }

std::vector<std::string> SplitCsvLine(std::string_view line, char delimiter) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (true) {
    std::string field;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i < line.size() && line[i] == '"') {
      field = QuotedField(line, i);
      while (i < line.size() && line[i] != delimiter) ++i;  // text after the closing quote is dropped
    } else {
      const std::size_t end = std::min(line.find(delimiter, i), line.size());
      field = std::string(Trim(line.substr(i, end - i)));
      i = end;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) break;
    ++i;  // the delimiter
  }
  return fields;
}

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
  if (field.find_first_of(std::string{delimiter, '"', '\n', '\r'}) == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvHeader(const CsvFormat& format) {
  const char delimiter = CsvDelimiter(format.numbers);
  const bool ip = format.units != UnitSystem::SI;
  std::string header;
  if (format.json) return {};
  for (const char* name : {"pair", "p_in", "first", "second"}) {
    header += name;
    header += delimiter;
  }
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    header += kResultFields[i].symbol;
    if (ip) header += " [" + std::string(UnitName(kResultFields[i].quantity, format.units)) + "]";
    header += delimiter;
  }
  header += format.zone ? std::string("message") + delimiter + "in_zone" : std::string("message");
  if (format.formulation->id() == FormulationId::Ashrae) header += delimiter + std::string("formulation");
  header += '\n';
  return header;
}

std::string CsvRow(std::string_view line, const CsvFormat& format, const AcceptedState& accepted) {
  const Numbers& numbers = format.numbers;
  const char delimiter = CsvDelimiter(numbers);
  const std::vector<std::string> fields = SplitCsvLine(line, delimiter);
  std::string row;
  for (std::size_t i = 0; i < 4; ++i) {
    AppendCsvField(row, i < fields.size() ? fields[i] : std::string(), delimiter);
    row += delimiter;
  }

  std::string message;
  std::array<std::string, 13> values;
  std::string inZone;
  const auto result = fields.size() == 4 ? CalculateFromRow(fields[0], fields[1], fields[2], fields[3], numbers,
                                                            format.units, *format.formulation)
                                         : std::nullopt;
  if (fields.size() != 4) {
    message = std::string("Invalid row, expected pair") + delimiter + "p" + delimiter + "first" + delimiter + "second";
  } else if (!result) {
    message = "Invalid row, the input pair must be 1 to 5";
  } else if (result->refusal) {
    message = *result->refusal;
  } else {
    values = PreciseTexts(*result, numbers, format.units);
    if (format.zone) inZone = InZone(*format.zone, result->state) ? "1" : "0";
    if (accepted) accepted(result->state);
  }
  if (format.json) return JsonRow(fields, result, message, inZone, format);
  for (const std::string& value : values) {
    row += value;
    row += delimiter;
  }
  AppendCsvField(row, message, delimiter);
  if (format.zone) row += delimiter + inZone;
  if (format.formulation->id() == FormulationId::Ashrae) row += delimiter + std::string("ashrae");
  row += '\n';
  return row;
}

std::string TooLongRow(const CsvFormat& format) {
  if (format.json) return JsonRow({}, std::nullopt, "Invalid row, the line is too long", "", format);
  const char delimiter = CsvDelimiter(format.numbers);
  return std::string(4, delimiter) + std::string(13, delimiter) + "Invalid row, the line is too long" +
         (format.zone ? std::string(1, delimiter) : std::string()) +
         (format.formulation->id() == FormulationId::Ashrae ? delimiter + std::string("ashrae") : std::string()) + "\n";
}

void ReadCsvLines(std::FILE* input, const CsvLineSink& sink) {
  std::string pending;  // an incomplete last line of the block read so far
  char block[1 << 16];
  bool firstLine = true;

  auto handleLine = [&](std::string_view line) {
    if (firstLine) line = WithoutByteOrderMark(line);  // as spreadsheet programs write "CSV UTF-8"
    if (Trim(line).empty()) return;
    const bool header = firstLine && IsHeader(line);
    firstLine = false;
    if (header) return;
    sink(line, false);
  };

  bool skipping = false;  // inside a line that was too long, up to its end
  auto handleOrSkip = [&](std::string_view line) {
    if (skipping) {
      skipping = false;
      return;
    }
    handleLine(line);
  };

  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, input)) > 0) {
    pending.append(block, got);
    std::size_t start = 0;
    for (std::size_t newline; (newline = pending.find('\n', start)) != std::string::npos; start = newline + 1) {
      handleOrSkip(std::string_view(pending).substr(start, newline - start));
    }
    pending.erase(0, start);
    if (pending.size() > kMaxLineLength) {
      if (!skipping) {
        firstLine = false;
        sink({}, true);
      }
      skipping = true;
      pending.clear();
    }
  }
  handleOrSkip(pending);
}

long RunCsv(std::FILE* input, std::FILE* output, const CsvFormat& format, const AcceptedState& accepted) {
  std::string out = CsvHeader(format);
  long rows = 0;
  ReadCsvLines(input, [&](std::string_view line, bool tooLong) {
    out += tooLong ? TooLongRow(format) : CsvRow(line, format, accepted);
    ++rows;
    if (out.size() >= kFlushSize) {
      std::fwrite(out.data(), 1, out.size(), output);
      out.clear();
    }
  });
  std::fwrite(out.data(), 1, out.size(), output);
  std::fflush(output);
  return rows;
}

}  // namespace vaporel
