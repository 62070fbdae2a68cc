// record-corpus RECORDS.txt DIGEST.txt: writes the first 10 000 records and the digests of
// the first 1 000 000 in four shards of 250 000, from the engine as it stands. Run once before a change to the engine;
// the bit-identity test then holds the engine to them.
#include <cinttypes>
#include <cstdio>
#include <fstream>

#include "state_corpus.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: record-corpus RECORDS.txt DIGEST.txt\n", stderr);
    return 2;
  }
  std::ofstream records(argv[1]);
  for (std::uint64_t i = 0; i < 10000; ++i) records << vaporel::corpus::Record(vaporel::corpus::InputsAt(i)) << '\n';
  std::ofstream digest(argv[2]);
  for (std::uint64_t shard = 0; shard < vaporel::corpus::kShards; ++shard) {
    char text[64];
    const std::uint64_t first = shard * vaporel::corpus::kShardSize;
    std::snprintf(text, sizeof text, "%" PRIu64 " %016" PRIx64 "\n", first,
                  vaporel::corpus::Digest(first, vaporel::corpus::kShardSize));
    digest << text;
  }
  return records && digest ? 0 : 1;
}
