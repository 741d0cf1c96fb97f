#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "core/platform/pages.h"
#include "core/platform/processors.h"
#include "core/platform/stack_bounds.h"
#include "core/platform/word_wait.h"

namespace quorvane::platform {
namespace {

using namespace std::chrono_literals;

// The calls this build uses and their portable fallbacks, which every build
// compiles: both run here.
struct Calls {
  void (*wait)(std::atomic<std::uint32_t>&, std::uint32_t, std::chrono::nanoseconds) noexcept;
  void (*wake)(std::atomic<std::uint32_t>&) noexcept;
  std::size_t (*processors)() noexcept;
  StackBounds (*stack)() noexcept;
  void* (*map)(std::size_t) noexcept;
  void (*unmap)(void*, std::size_t) noexcept;
  bool (*shrink)(void*, std::size_t, std::size_t) noexcept;
  void (*discard)(void*, std::size_t) noexcept;
};
class PlatformTest : public testing::TestWithParam<Calls> {};

TEST_P(PlatformTest, WaitEndsOnWakeAndOnTimeout) {
  std::atomic<std::uint32_t> word{0};
  GetParam().wait(word, 1, 10s);  // already changed: no sleep
  GetParam().wait(word, 0, 1ms);  // nobody wakes it
  std::thread waker([&] {
    std::this_thread::sleep_for(20ms);
    word.store(1);
    GetParam().wake(word);
  });
  const auto start = std::chrono::steady_clock::now();
  while (word.load() == 0) GetParam().wait(word, 0, 10s);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  waker.join();
}

TEST_P(PlatformTest, ProcessorsAndStackAreSane) {
  EXPECT_GE(GetParam().processors(), 1u);
  const StackBounds stack = GetParam().stack();
  int here = 0;
  EXPECT_LT(stack.low, reinterpret_cast<std::uintptr_t>(&here));
  EXPECT_GE(stack.high, reinterpret_cast<std::uintptr_t>(&here) - 4096);
  EXPECT_GE(stack.high - stack.low, kAssumedStackBytes / 2);
}

TEST_P(PlatformTest, PagesAreZeroedUsableAndGivenBack) {
  for (const std::size_t bytes : {2 * page_size(), kHugePageBytes}) {
    auto* pages = static_cast<unsigned char*>(GetParam().map(bytes));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pages) % page_size(), 0u);
    EXPECT_EQ(pages[0] | pages[bytes - 1], 0);
    std::memset(pages, 0xab, bytes);
    GetParam().discard(pages + bytes - page_size(), page_size());
    const bool shrunk = GetParam().shrink(pages, bytes, page_size());
    EXPECT_EQ(pages[page_size() - 1], 0xab);
    GetParam().unmap(pages, shrunk ? page_size() : bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, PlatformTest,
    testing::Values(Calls{wait_on_word, wake_one, usable_processors, this_thread_stack, map_pages,
                          unmap_pages, shrink_pages, discard_pages},
                    Calls{portable::wait_on_word, portable::wake_one,
                          portable::usable_processors, portable::this_thread_stack,
                          portable::map_pages, portable::unmap_pages, portable::shrink_pages,
                          portable::discard_pages}),
    [](const auto& info) { return info.index == 0 ? "Selected" : "Portable"; });

}  // namespace
}  // namespace quorvane::platform
