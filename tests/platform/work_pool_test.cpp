// SPDX-License-Identifier: GPL-3.0-or-later
// The ordered prefetch: results come back in item order however the workers
// finish, the workers never run further ahead than the look-ahead, one
// worker means no threads, and a prefetch dropped part-way stops cleanly.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

#include "platform/work_pool.h"

using folio::OrderedPrefetch;

namespace {

// Later items finish sooner, so that a pool that handed results out as they
// come in would give them in the wrong order.
void SleepFor(int i) { std::this_thread::sleep_for(std::chrono::microseconds(((i * 7) % 5) * 300)); }

}  // namespace

TEST(WorkerCount, SettingAsItIsZeroForOnePerCore) {
  EXPECT_EQ(folio::WorkerCount(1), 1);
  EXPECT_EQ(folio::WorkerCount(3), 3);
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  EXPECT_EQ(folio::WorkerCount(0), cores > 0 ? cores : 1);
  EXPECT_EQ(folio::WorkerCount(-2), folio::WorkerCount(0));
}

TEST(OrderedPrefetch, ResultsInItemOrderForEveryWorkerCount) {
  for (int workers : {1, 2, 3, 8}) {
    OrderedPrefetch<int> prefetch(workers, 40, [](int i) {
      SleepFor(i);
      return i * i;
    });
    for (int i = 0; i < 40; ++i) ASSERT_EQ(prefetch.Take(i), i * i) << workers << " workers";
  }
}

TEST(OrderedPrefetch, OneWorkerRunsEachItemInsideItsTakeOnTheCallingThread) {
  std::vector<int> ran;
  const std::thread::id caller = std::this_thread::get_id();
  OrderedPrefetch<int> prefetch(1, 5, [&](int i) {
    EXPECT_EQ(std::this_thread::get_id(), caller);
    ran.push_back(i);
    return i;
  });
  EXPECT_EQ(prefetch.threadCount(), 0);
  EXPECT_TRUE(ran.empty()) << "nothing is worked out before it is asked for";
  prefetch.Take(0);
  prefetch.Take(1);
  EXPECT_EQ(ran, (std::vector<int>{0, 1}));
}

TEST(OrderedPrefetch, WorkersStayWithinTheLookAhead) {
  constexpr int kLookAhead = 3;
  std::atomic<int> taken{0};
  std::atomic<int> furthest{-1};
  OrderedPrefetch<int> prefetch(
      4, 200,
      [&](int i) {
        // Item i may start only once the take of item i - lookAhead has begun.
        EXPECT_LT(i, taken.load() + kLookAhead) << "item " << i << " started too early";
        int seen = furthest.load();
        while (i > seen && !furthest.compare_exchange_weak(seen, i)) {
        }
        return i;
      },
      kLookAhead);
  for (int i = 0; i < 200; ++i) {
    if (i % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));  // let them run ahead
    taken = i + 1;
    EXPECT_EQ(prefetch.Take(i), i);
  }
  EXPECT_EQ(furthest.load(), 199);
}

TEST(OrderedPrefetch, DroppedPartWayStopsWithoutRunningTheRest) {
  std::atomic<int> started{0};
  {
    OrderedPrefetch<int> prefetch(2, 1000, [&](int i) {
      ++started;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return i;
    });
    for (int i = 0; i < 10; ++i) prefetch.Take(i);
  }  // as a cancel leaves it
  EXPECT_GE(started.load(), 10);
  EXPECT_LE(started.load(), 10 + 4) << "only the look-ahead (2 per worker) runs beyond the taken";
}

TEST(OrderedPrefetch, AnExceptionOfTheWorkComesOutOfItsTake) {
  for (int workers : {1, 2}) {
    OrderedPrefetch<int> prefetch(workers, 6, [](int i) {
      if (i == 3) throw std::runtime_error("unreadable");
      return i;
    });
    for (int i = 0; i < 3; ++i) EXPECT_EQ(prefetch.Take(i), i);
    EXPECT_THROW(prefetch.Take(3), std::runtime_error);
    EXPECT_EQ(prefetch.Take(4), 4) << "the items after it still come";
  }
}

TEST(OrderedPrefetch, MoveOnlyResults) {
  OrderedPrefetch<std::unique_ptr<int>> prefetch(2, 10, [](int i) { return std::make_unique<int>(i); });
  for (int i = 0; i < 10; ++i) EXPECT_EQ(*prefetch.Take(i), i);
}

TEST(OrderedPrefetch, SkippedItemsAreNotWorkedOutByTheCallingThread) {
  std::vector<int> ran;
  OrderedPrefetch<int> single(1, 4, [&](int i) {
    ran.push_back(i);
    return i;
  });
  single.Skip(0);
  EXPECT_EQ(single.Take(1), 1);
  single.Skip(2);
  EXPECT_EQ(ran, (std::vector<int>{1}));

  OrderedPrefetch<int> pooled(2, 6, [](int i) { return i; });
  pooled.Skip(0);
  pooled.Skip(1);
  EXPECT_EQ(pooled.Take(2), 2);
  pooled.Skip(3);
  EXPECT_EQ(pooled.Take(4), 4);
}
