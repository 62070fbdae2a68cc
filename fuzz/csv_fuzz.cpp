// Any bytes as the batch calculator's CSV input: one output row per row read plus the
// header, never a crash, and the same output on several threads as on one.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "batch/csv.hpp"

namespace {

std::string Run(const std::uint8_t* data, std::size_t size, int jobs, long& rows) {
  std::FILE* input = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* output = open_memstream(&buffer, &length);
  rows = vaporel::RunCsvInParallel(
      input, output, vaporel::CsvFormat{vaporel::Numbers(size % 2 ? ',' : '.'), vaporel::UnitSystem::SI, std::nullopt},
      jobs);
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
  return 0;
}
