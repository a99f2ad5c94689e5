// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work on the next items of a job, done ahead on a few worker threads while
// the job thread takes the results strictly in item order. Only the work
// itself runs on the workers; whatever the job does with a result (moving
// files, writing pages, reporting progress) stays on the job thread, in the
// order a single-threaded run would do it.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace folio {

// The threads a job uses for the `Threads` setting: a value of 1 or more as
// it is, 0 (or below) one per core. 1 means no worker threads at all.
int WorkerCount(int threadsSetting);

// Runs `work(i)` for items 0 .. count-1 and hands the results out by Take(i)
// in rising order of i. With one worker every item is worked out inside its
// own Take, on the calling thread; with more, the workers run at most
// `lookAhead` items beyond the one taken last, so memory stays bounded by
// that many results whatever the item count. The work must have no effects
// that the order of items could make visible.
//
// Dropping the prefetch (a cancel, or an early return) waits for the items
// in progress and throws away every result not taken.
template <class Result>
class OrderedPrefetch {
 public:
  OrderedPrefetch(int workers, int count, std::function<Result(int)> work, int lookAhead = 0)
      : count_(count), work_(std::move(work)) {
    if (workers <= 1 || count <= 1) return;
    window_ = lookAhead > 0 ? lookAhead : 2 * workers;
    slots_.resize(static_cast<std::size_t>(window_));
    const int threads = std::min(workers, count);
    threads_.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) threads_.emplace_back([this] { RunWorker(); });
  }

  ~OrderedPrefetch() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  OrderedPrefetch(const OrderedPrefetch&) = delete;
  OrderedPrefetch& operator=(const OrderedPrefetch&) = delete;

  // The result of item i; i must be the item after the one taken or
  // skipped last (0 first). An exception thrown by the work comes out here.
  Result Take(int i) {
    if (threads_.empty()) return work_(i);
    Slot slot = Collect(i);
    if (slot.error) std::rethrow_exception(slot.error);
    return std::move(*slot.result);
  }

  // Item i is not needed (in the same order as Take); with one worker it is
  // never worked out.
  void Skip(int i) {
    if (!threads_.empty()) Collect(i);
  }

  // Worker threads started (0 when the items are worked out in Take).
  int threadCount() const { return static_cast<int>(threads_.size()); }

 private:
  struct Slot {
    int item = -1;
    bool done = false;
    std::optional<Result> result;
    std::exception_ptr error;
  };

  Slot Collect(int i) {
    std::unique_lock<std::mutex> lock(mutex_);
    Slot& slot = slots_[static_cast<std::size_t>(i % window_)];
    ready_.wait(lock, [&] { return slot.item == i && slot.done; });
    Slot out = std::move(slot);
    slot = Slot{};
    taken_ = i + 1;
    lock.unlock();
    wake_.notify_all();
    return out;
  }

  void RunWorker() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || (next_ < count_ && next_ < taken_ + window_); });
      if (stopping_) return;
      const int i = next_++;
      Slot& slot = slots_[static_cast<std::size_t>(i % window_)];
      slot.item = i;
      lock.unlock();
      std::optional<Result> result;
      std::exception_ptr error;
      try {
        result.emplace(work_(i));
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      slot.result = std::move(result);
      slot.error = error;
      slot.done = true;
      ready_.notify_all();
    }
  }

  const int count_;
  const std::function<Result(int)> work_;
  int window_ = 0;
  std::vector<Slot> slots_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable wake_;   // workers: an item may be started, or stop
  std::condition_variable ready_;  // the job thread: a result is in
  int next_ = 0;                   // the next item a worker starts
  int taken_ = 0;                  // items taken so far
  bool stopping_ = false;
};

}  // namespace folio
