// The compact layouts: inline versus heap texts and keys, container blocks,
// and moves that leave their source as an empty Text.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "core/value/compact_string.h"
#include "core/value/data_type.h"
#include "core/value/document.h"
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

  const DataType value = DataType::text(text);
  EXPECT_EQ(value.as_text(), text);
  DataType copy = value;
  DataType moved = std::move(copy);
  EXPECT_EQ(moved.as_text(), text);
  EXPECT_EQ(copy.as_text(), "");  // NOLINT(bugprone-use-after-move)
  moved = value;
  EXPECT_EQ(moved.as_text(), text);
}

INSTANTIATE_TEST_SUITE_P(AroundTheInlineLimits, TextLengths,
                         ::testing::Values(0, 1, 13, 14, 15, 16, 17, 100, 70000));

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
}

TEST(ValueLayout, WrongVariantAccessThrows) {
  EXPECT_THROW((void)DataType::number(1).as_text(), std::logic_error);
  EXPECT_THROW((void)DataType::text("x").as_array(), std::logic_error);
}

}  // namespace
}  // namespace quorvane
