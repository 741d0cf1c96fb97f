// The compact layouts: inline versus heap texts and keys, container blocks,
// moves that leave their source as an empty Text, and blocks of a region.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/platform/target.h"
#include "core/value/compact_string.h"
#include "core/value/data_type.h"
#include "core/value/document.h"
#include "core/value/value_region.h"
#include "tests/core/allocation_failure.h"

namespace quorvane {
namespace {

using quorvane::testing::AllocationFailure;

class TextLengths : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TextLengths, RoundTripThroughCopiesAndMoves) {
  std::string text(GetParam(), 'x');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
  if (!text.empty()) text[0] = '\0';  // any byte, NUL included

  const CompactString key(text);
  EXPECT_EQ(key.view(), text);
  EXPECT_EQ(key.is_inline(), text.size() <= CompactString::kInlineCapacity);
  CompactString key_copy = key;
  CompactString key_moved = std::move(key_copy);
  EXPECT_EQ(key_moved.view(), text);
  EXPECT_EQ(key_copy.view(), "");  // NOLINT(bugprone-use-after-move): moved-from is empty
  // Tables compare inline keys by their words, so no stale byte may remain.
  const auto words = [](const CompactString::Words& w) { return std::pair(w.lo, w.hi); };
  EXPECT_EQ(words(key_copy.words()), words(CompactString::inline_words("")));  // NOLINT
  if (key.is_inline()) {
    EXPECT_EQ(words(key.words()), words(CompactString::inline_words(text)));
  }

  const DataType value = DataType::text(text);
  EXPECT_EQ(value.as_text(), text);
  DataType copy = value;
  DataType moved = std::move(copy);
  EXPECT_EQ(moved.as_text(), text);
  EXPECT_EQ(copy.as_text(), "");  // NOLINT(bugprone-use-after-move)
  moved = value;
  EXPECT_EQ(moved.as_text(), text);
}

// Every inline length: short texts are copied in pieces that depend on it.
INSTANTIATE_TEST_SUITE_P(AroundTheInlineLimits, TextLengths,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                           16, 17, 100, 70000));

TEST(ValueLayout, EveryVariantSurvivesCopyMoveAndReassignment) {
  Id id;
  for (int i = 0; i < 16; ++i) id.bytes[i] = static_cast<std::uint8_t>(i * 17);
  Document doc;
  doc.insert_or_assign("k", DataType::text("a text longer than the inline room"));
  const DataType values[] = {
      DataType::id(id),
      DataType::text("short"),
      DataType::number(-0.0f),
      DataType::boolean(true),
      DataType::array({DataType::number(1), DataType::text("a text longer than fourteen")}),
      DataType::document(doc),
  };
  for (const DataType& original : values) {
    for (const DataType& other : values) {
      DataType target = other;
      target = original;  // copy-assign over every other variant
      ASSERT_EQ(target.kind(), original.kind());
      DataType moved_into = other;
      DataType source = original;
      moved_into = std::move(source);
      ASSERT_EQ(moved_into.kind(), original.kind());
      EXPECT_EQ(source.kind(), DataType::Kind::kText);  // NOLINT(bugprone-use-after-move)
    }
  }
  EXPECT_EQ(DataType(values[0]).as_id(), id);
  EXPECT_TRUE(std::signbit(DataType(values[2]).as_number()));
  EXPECT_EQ(DataType(values[4]).as_array()[1].as_text(), "a text longer than fourteen");
  EXPECT_EQ(DataType(values[5]).get("k")->as_text(), "a text longer than the inline room");
}

TEST(ValueLayout, AssigningAnElementToItsOwnContainerIsSafe) {
  DataType array = DataType::array({DataType::array({DataType::text("inner text, heap sized")})});
  DataType& element = array.as_array()[0];
  array = std::move(element);  // the element lives inside the value it replaces
  ASSERT_EQ(array.kind(), DataType::Kind::kArray);
  EXPECT_EQ(array.as_array()[0].as_text(), "inner text, heap sized");

  Document doc;
  doc.insert_or_assign("self", DataType::document({}));
  DataType outer = DataType::document(std::move(doc));
  outer.as_document().find("self")->as_document().insert_or_assign("x", DataType::number(1));
  outer = *outer.get("self");  // copy-assign from inside
  EXPECT_EQ(outer.get("x")->as_number(), 1.0f);
}

TEST(ValueLayout, ArrayGrowsEraseShiftsAndEmptyAllocatesNothing) {
  Array items;
  EXPECT_EQ(items.capacity(), 0u);
  for (int i = 0; i < 100; ++i) items.push_back(DataType::number(static_cast<float>(i)));
  ASSERT_EQ(items.size(), 100u);
  items.erase(items.begin() + 10);
  EXPECT_EQ(items[10].as_number(), 11.0f);
  EXPECT_EQ(items.back().as_number(), 99.0f);
  items.resize(3);
  EXPECT_EQ(items.size(), 3u);
  items.resize(5);
  EXPECT_EQ(items[4].as_text(), "");
  Array copy = items;
  copy[0] = DataType::text("changed");
  EXPECT_EQ(items[0].as_number(), 0.0f);
}

TEST(ValueLayout, AppendMovedTakesExactRoomAndEmptiesTheSources) {
  DataType sources[] = {DataType::text("a text longer than the inline room"),
                        DataType::array({DataType::number(1)}), DataType::boolean(true)};
  Array items;
  items.append_moved(sources, 0);
  EXPECT_EQ(items.capacity(), 0u);
  items.append_moved(sources, 3);
  EXPECT_EQ(items.capacity(), 3u);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].as_text(), "a text longer than the inline room");
  EXPECT_EQ(items[1].as_array()[0].as_number(), 1.0f);
  EXPECT_TRUE(items[2].as_boolean());
  for (const DataType& source : sources) EXPECT_EQ(source.as_text(), "");
  DataType more[] = {DataType::number(4)};
  items.append_moved(more, 1);
  EXPECT_EQ(items.capacity(), 4u);
  EXPECT_EQ(items.back().as_number(), 4.0f);
}

// A value of every variant, with containers of both document layouts; its
// copy makes a few dozen allocations.
DataType every_variant() {
  Document small;
  small.insert_or_assign("a text longer than the inline room", DataType::text("and its long value"));
  small.insert_or_assign("id", DataType::id(Id{}));
  Document large;
  for (int i = 0; i < 12; ++i) {
    large.insert_or_assign("key number " + std::to_string(i) + " of a large document",
                           DataType::array({DataType::text("a heap-sized text value"),
                                            DataType::document(small)}));
  }
  return DataType::array({DataType::document(small), DataType::text("another heap-sized text"),
                          DataType::document(large), DataType::array({DataType::id(Id{})})});
}

TEST(ValueLayout, CopiesThatRunOutOfMemoryFreeWhatTheyMade) {
  const DataType value = every_variant();
  const Document& large = value.as_array()[2].as_document();
  const Document& small = value.as_array()[0].as_document();
  // Fails each allocation of a copy in turn, until the copy gets through;
  // the number of failures that left memory behind.
  auto leaking_failures = [](auto copy) {
    int leaks = 0;
    for (long fail_at = 0;; ++fail_at) {
      AllocationFailure failure(fail_at);
      try {
        copy();
      } catch (const std::bad_alloc&) {
      }
      if (failure.live() != 0) ++leaks;
      if (!failure.failed()) return fail_at > 1 ? leaks : -1;  // -1: hardly anything allocated
    }
  };
  EXPECT_EQ(leaking_failures([&] { Array copy(value.as_array()); }), 0);
  EXPECT_EQ(leaking_failures([&] { Document copy(small); }), 0);
  EXPECT_EQ(leaking_failures([&] { Document copy(large); }), 0);
  EXPECT_EQ(leaking_failures([&] { DataType copy(value); }), 0);
  EXPECT_EQ(leaking_failures([&] { Array listed{value, value}; }), 0);

  // The same copies inside a scope, over a region of small chunks, of values
  // big enough to need several: a failure meets a chunk mapping. Once the
  // region is gone, nothing is left.
  auto in_region = [](auto copy) {
    return [copy] {
      ValueRegion region(4096);
      const ValueRegionScope scope(region);
      copy();
    };
  };
  Document wide;
  for (int i = 0; i < 300; ++i) wide.insert_or_assign(std::to_string(i), value);
  const DataType several = DataType::array({value, value, value, value, value, value});
  EXPECT_EQ(leaking_failures(in_region([&] { Array copy(several.as_array()); })), 0);
  EXPECT_EQ(leaking_failures(in_region([&] { Document copy(wide); })), 0);
  EXPECT_EQ(leaking_failures(in_region([&] { DataType copy(several); })), 0);
}

// A value with a block of every kind that lives in a region.
DataType small_blocks_value() {
  Document doc;
  doc.insert_or_assign("a key longer than fifteen bytes", DataType::text("a long text value"));
  doc.insert_or_assign("id", DataType::id(Id{}));
  return DataType::array({DataType::document(std::move(doc)), DataType::text("another long text"),
                          DataType::array({DataType::number(1)})});
}

TEST(RegionValues, TakeNoHeapBlocksAndNeverGiveRegionBlocksToDelete) {
  ValueRegion region(std::size_t{1} << 20);
  region.allocate(8);  // maps the first chunk, which holds all below
  AllocationFailure counting(-1);
  DataType value;
  CompactString key;
  {
    const ValueRegionScope scope(region);
    value = small_blocks_value();
    key = CompactString("a key longer than fifteen bytes");
    EXPECT_FALSE(key.is_inline());
    EXPECT_EQ(counting.live(), 0);
  }
  // Outside the scope, copies are heap values: seven blocks (array, document,
  // key, text, id, text, inner array) and the key's, freed with the copies.
  {
    const DataType copy = value;
    const CompactString key_copy = key;
    EXPECT_EQ(counting.live(), 8);
    EXPECT_EQ(key_copy.view(), key.view());
  }
  EXPECT_EQ(counting.live(), 0);
  // Growing, replacing and dropping region blocks only makes heap blocks: a
  // region block given to operator delete would show as a negative count.
  ASSERT_TRUE(value.set("3", DataType::number(3)));  // a fresh 4-element heap block
  EXPECT_EQ(counting.live(), 1);
  ASSERT_TRUE(value.as_array()[0].set("id", DataType::number(0)));
  ASSERT_TRUE(value.as_array()[0].remove("a key longer than fifteen bytes"));
  value.as_array()[1] = DataType::text("x");
  value.as_array().erase(value.as_array().begin() + 2);
  EXPECT_EQ(counting.live(), 1);
  DataType moved = std::move(value);
  moved = DataType::number(1);
  key = CompactString("short");
  EXPECT_EQ(counting.live(), 0);
}

TEST(ValueRegion, HandsOutAlignedBlocksThatKeepTheirBytes) {
  ValueRegion region(4096);
  EXPECT_EQ(region.mapped_bytes(), 0u);  // nothing mapped before the first block
  auto length = [](std::size_t i) { return i % 50 + 1; };
  std::vector<char*> blocks;
  std::size_t requested = 0;
  for (std::size_t i = 0; i < 3000; ++i) {
    auto* block = static_cast<char*>(region.allocate(length(i)));
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(block) % 8, 0u);
    std::memset(block, static_cast<int>(i % 251), length(i));
    blocks.push_back(block);
    requested += length(i);
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {  // no block overlaps another
    for (std::size_t j = 0; j < length(i); ++j) {
      ASSERT_EQ(blocks[i][j], static_cast<char>(i % 251)) << i;
    }
  }
#ifdef QUORVANE_REGION_POISONING
  // Under AddressSanitizer, the bytes past a block and those of an abandoned
  // block are poisoned, as for heap blocks.
  EXPECT_FALSE(__asan_address_is_poisoned(blocks[0]));
  EXPECT_TRUE(__asan_address_is_poisoned(blocks[0] + 8));
  ValueRegion::abandon(blocks[1], length(1));
  EXPECT_TRUE(__asan_address_is_poisoned(blocks[1]));
#endif
  // Chunks grow geometrically: what is mapped stays within a small factor.
  EXPECT_GE(region.mapped_bytes(), requested);
  EXPECT_LE(region.mapped_bytes(), 4 * requested);

  ValueRegion moved = std::move(region);
  EXPECT_EQ(region.mapped_bytes(), 0u);  // NOLINT(bugprone-use-after-move): moved-from is empty
  EXPECT_EQ(blocks.back()[0], static_cast<char>((blocks.size() - 1) % 251));
  EXPECT_NE(moved.allocate(8), nullptr);
}

TEST(ValueRegion, LargeBlocksTakeAChunkOfTheirOwnAndTrimGivesPagesBack) {
  ValueRegion region(std::size_t{1} << 20);
  auto* first = static_cast<char*>(region.allocate(100));
  EXPECT_EQ(region.mapped_bytes(), std::size_t{1} << 20);
  // A block over a quarter of the next chunk comes from a chunk of its own,
  // and the current chunk goes on serving small blocks right after `first`.
  auto* large = static_cast<char*>(region.allocate(std::size_t{3} << 20));
  large[(std::size_t{3} << 20) - 1] = 'x';
  EXPECT_GE(region.mapped_bytes(), (std::size_t{1} << 20) + (std::size_t{3} << 20));
  const auto* next = static_cast<char*>(region.allocate(8));
  EXPECT_GT(next, first);
  EXPECT_LT(next, first + 256);

  const std::size_t before = region.mapped_bytes();
  region.trim();
#ifdef QUORVANE_PLATFORM_LINUX  // the portable fallback cannot shrink a chunk in place
  EXPECT_LE(region.mapped_bytes(), before - (std::size_t{1} << 20) + 4 * 4096);
#else
  EXPECT_EQ(region.mapped_bytes(), before);
#endif
  EXPECT_NE(region.allocate(64 * 1024), nullptr);  // still usable after trimming
}

TEST(ValueRegion, FailingToMapAChunkThrowsBadAllocAndChangesNothing) {
  ValueRegion region(4096);
  {
    AllocationFailure failure(0);  // the first chunk's mapping
    EXPECT_THROW(region.allocate(8), std::bad_alloc);
    EXPECT_TRUE(failure.failed());
  }
  EXPECT_EQ(region.mapped_bytes(), 0u);
  {
    AllocationFailure counting(-1);
    EXPECT_NE(region.allocate(8), nullptr);
    EXPECT_EQ(counting.live(), 1);  // one chunk
    EXPECT_THROW(region.allocate(std::size_t{1} << 62), std::bad_alloc);  // no such mapping
    EXPECT_EQ(counting.live(), 1);
  }
}

TEST(ValueRegionScope, ActiveOnItsOwnThreadOnlyAndNests) {
  EXPECT_EQ(active_value_region(), nullptr);
  ValueRegion outer_region;
  ValueRegion inner_region;
  {
    const ValueRegionScope outer(outer_region);
    EXPECT_EQ(active_value_region(), &outer_region);
    ValueRegion* seen_elsewhere = &inner_region;
    std::thread([&] { seen_elsewhere = active_value_region(); }).join();
    EXPECT_EQ(seen_elsewhere, nullptr);
    {
      const ValueRegionScope inner(inner_region);
      EXPECT_EQ(active_value_region(), &inner_region);
      {
        const ValueRegionPause pause;
        EXPECT_EQ(active_value_region(), nullptr);
      }
      EXPECT_EQ(active_value_region(), &inner_region);
    }
    EXPECT_EQ(active_value_region(), &outer_region);
  }
  EXPECT_EQ(active_value_region(), nullptr);
}

TEST(ValueLayout, WrongVariantAccessThrows) {
  EXPECT_THROW((void)DataType::number(1).as_text(), std::logic_error);
  EXPECT_THROW((void)DataType::text("x").as_array(), std::logic_error);
}

}  // namespace
}  // namespace quorvane
