#pragma once
// The batch calculator's CSV mode: rows "pair,p,first,second" in, one row per input out with
// the inputs, the thirteen values in shortest round-trip form and the refusal message.
// Under a locale whose decimal separator is the comma, fields are separated by ';'.

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/air_state.hpp"
#include "calculation/zone.hpp"
#include "numbers/numbers.hpp"
#include "properties/formulation.hpp"
#include "units/units.hpp"

namespace vaporel {

// How rows are read and written: the number format, the units of every value (SI as the
// window's, or IP), and the zone each row is asked about (an "in_zone" column, 1 or 0).
struct CsvFormat {
  Numbers numbers{'.'};
  UnitSystem units = UnitSystem::SI;
  std::optional<Zone> zone;
  bool json = false;  // JSON Lines: one object a row, no header
  // The rows resolved in it; under the ASHRAE Handbook's equations a last column (a key)
  // "formulation" says "ashrae".
  const Formulation* formulation = &DesignFormulation();
};

char CsvDelimiter(const Numbers& numbers);

// Splits one line into fields; a field may be quoted ("a ""b"" c"). Blanks around fields are dropped.
std::vector<std::string> SplitCsvLine(std::string_view line, char delimiter);
// Appends a field, quoted when it holds the delimiter, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view field, char delimiter);

// The header line written first: the inputs (pair, p_in, first, second), the results (in IP
// each with its unit in brackets), the message; none for JSON Lines.
std::string CsvHeader(const CsvFormat& format);
// What a batch does with each accepted state besides writing its row (the chart's points).
using AcceptedState = std::function<void(const AirState&)>;

// One output row (with its line break) for one input line; an accepted state also goes to
// `accepted` when there is one.
std::string CsvRow(std::string_view line, const CsvFormat& format, const AcceptedState& accepted = {});

// Each line of `input` that becomes a row, in order: blank lines and a first line with
// letters (a header) are skipped; a line longer than any row is passed as tooLong, unread.
using CsvLineSink = std::function<void(std::string_view line, bool tooLong)>;
void ReadCsvLines(std::FILE* input, const CsvLineSink& sink);
// The row written for a line that was too long.
std::string TooLongRow(const CsvFormat& format);

// Reads all of `input` and writes the rows to `output`. A refused row never stops the batch.
// Returns the number of rows written (the header not counted).
long RunCsv(std::FILE* input, std::FILE* output, const CsvFormat& format, const AcceptedState& accepted = {});
// The same on `jobs` threads: rows are resolved in parallel and written in input order, with
// only a few thousand rows in flight however long the input. jobs = 1 is RunCsv.
long RunCsvInParallel(std::FILE* input, std::FILE* output, const CsvFormat& format, int jobs,
                      const AcceptedState& accepted = {});

}  // namespace vaporel
