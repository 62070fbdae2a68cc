// The batch on several cores: one reader cuts the input into numbered batches of lines,
// workers turn each batch into its rows, and the caller's thread writes the batches in their
// order. The reader waits while too many batches are in flight, so memory stays flat.
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "batch/csv.hpp"

namespace vaporel {
namespace {

constexpr std::size_t kBatchLines = 1024;
constexpr std::size_t kBatchesPerJob = 2;  // in flight, from reading to writing
constexpr std::size_t kFlushSize = 1 << 16;

struct Batch {
  std::vector<std::string> lines;  // empty text with tooLong set: a line too long to keep
  std::vector<bool> tooLong;
  std::string rows;
  std::vector<AirState> accepted;
};

class Pipeline {
 public:
  Pipeline(const CsvFormat& format, std::size_t jobs, bool collect)
      : format_(format), maxInFlight_(jobs * kBatchesPerJob), collect_(collect) {}

  // Reader side: waits for room, then hands the batch to the workers.
  void submit(Batch batch) {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return inFlight_ < maxInFlight_; });
    ++inFlight_;
    work_.emplace_back(submitted_++, std::move(batch));
    workReady_.notify_one();
  }
  void finishInput() {
    std::lock_guard lock(mutex_);
    inputDone_ = true;
    workReady_.notify_all();
    doneReady_.notify_all();
  }

  void work() {
    while (true) {
      std::pair<std::size_t, Batch> item;
      {
        std::unique_lock lock(mutex_);
        workReady_.wait(lock, [this] { return !work_.empty() || inputDone_; });
        if (work_.empty()) return;
        item = std::move(work_.front());
        work_.pop_front();
      }
      resolve(item.second);
      std::lock_guard lock(mutex_);
      done_.emplace(item.first, std::move(item.second));
      doneReady_.notify_all();
    }
  }

  // Writer side: the next batch in input order, or false when all are written.
  bool next(Batch& batch) {
    std::unique_lock lock(mutex_);
    doneReady_.wait(lock, [this] { return done_.count(written_) > 0 || (inputDone_ && written_ == submitted_); });
    const auto it = done_.find(written_);
    if (it == done_.end()) return false;
    batch = std::move(it->second);
    done_.erase(it);
    ++written_;
    --inFlight_;
    room_.notify_one();
    return true;
  }

 private:
  void resolve(Batch& batch) const {
    AcceptedState keep;
    if (collect_) keep = [&batch](const AirState& state) { batch.accepted.push_back(state); };
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
      batch.rows += batch.tooLong[i] ? TooLongRow(format_) : CsvRow(batch.lines[i], format_, keep);
    }
  }

  const CsvFormat& format_;
  const std::size_t maxInFlight_;
  const bool collect_;
  std::mutex mutex_;
  std::condition_variable room_, workReady_, doneReady_;
  std::deque<std::pair<std::size_t, Batch>> work_;
  std::map<std::size_t, Batch> done_;
  std::size_t inFlight_ = 0, submitted_ = 0, written_ = 0;
  bool inputDone_ = false;
};

}  // namespace

long RunCsvInParallel(std::FILE* input, std::FILE* output, const CsvFormat& format, int jobs,
                      const AcceptedState& accepted) {
  if (jobs <= 1) return RunCsv(input, output, format, accepted);
  Pipeline pipeline(format, static_cast<std::size_t>(jobs), static_cast<bool>(accepted));
  std::vector<std::thread> workers;
  workers.reserve(static_cast<std::size_t>(jobs));
  for (int i = 0; i < jobs; ++i) workers.emplace_back([&pipeline] { pipeline.work(); });
  std::thread reader([&] {
    Batch batch;
    ReadCsvLines(input, [&](std::string_view line, bool tooLong) {
      batch.lines.emplace_back(line);
      batch.tooLong.push_back(tooLong);
      if (batch.lines.size() == kBatchLines) pipeline.submit(std::exchange(batch, Batch{}));
    });
    if (!batch.lines.empty()) pipeline.submit(std::move(batch));
    pipeline.finishInput();
  });

  std::string out = CsvHeader(format);
  long rows = 0;
  for (Batch batch; pipeline.next(batch);) {
    out += batch.rows;
    rows += static_cast<long>(batch.lines.size());
    for (const AirState& state : batch.accepted) accepted(state);
    if (out.size() >= kFlushSize) {
      std::fwrite(out.data(), 1, out.size(), output);
      out.clear();
    }
  }
  reader.join();
  for (std::thread& worker : workers) worker.join();
  std::fwrite(out.data(), 1, out.size(), output);
  std::fflush(output);
  return rows;
}

}  // namespace vaporel
