// Any bytes as the batch calculator's CSV input: one output row per row read plus the
// header, never a crash, and the same output on several threads as on one; as JSON Lines, one
// valid object a row.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "batch/csv.hpp"

namespace {

std::string Run(const std::uint8_t* data, std::size_t size, int jobs, long& rows, bool json = false) {
  std::FILE* input = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* output = open_memstream(&buffer, &length);
  rows = vaporel::RunCsvInParallel(
      input, output,
      vaporel::CsvFormat{vaporel::Numbers(size % 2 ? ',' : '.'), vaporel::UnitSystem::SI, std::nullopt, json}, jobs);
  std::fclose(input);
  std::fclose(output);
  std::string out(buffer, length);
  std::free(buffer);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  long rows = 0, rowsInParallel = 0;
  const std::string one = Run(data, size, 1, rows);
  long lines = 0;
  for (char c : one) lines += c == '\n';
  if (lines != rows + 1) std::abort();
  // Threads are dear to start: one input in sixteen is also run on two.
  if (size % 16 == 0 && Run(data, size, 2, rowsInParallel) != one) std::abort();
  // As JSON Lines: one object a row, each a valid JSON document whatever the bytes.
  if (size % 4 == 3) {
    long jsonRows = 0;
    const std::string json = Run(data, size, 1, jsonRows, true);
    std::size_t start = 0, objects = 0;
    for (std::size_t end; (end = json.find('\n', start)) != std::string::npos; start = end + 1, ++objects) {
      if (!nlohmann::json::accept(json.substr(start, end - start))) std::abort();
    }
    if (jsonRows != rows || static_cast<long>(objects) != rows) std::abort();
  }
  return 0;
}
