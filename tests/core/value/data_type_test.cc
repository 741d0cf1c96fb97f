#include "core/value/data_type.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/value/document.h"
#include "core/value/value_region.h"
#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

using testing::describe;

DataType text(std::string_view s) { return DataType::text(s); }

DataType abc_array() { return DataType::array({text("a"), text("b"), text("c")}); }

std::vector<std::string> texts_of(const DataType& array) {
  std::vector<std::string> out;
  for (const DataType& item : array.as_array()) out.emplace_back(item.as_text());
  return out;
}

struct IndexCase {
  const char* key;
  std::optional<std::uint64_t> index;
};

class ParseIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ParseIndex, ReadsTheIndexSyntax) {
  EXPECT_EQ(parse_index(GetParam().key), GetParam().index) << "key '" << GetParam().key << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ParseIndex,
    ::testing::Values(IndexCase{"0", 0}, IndexCase{"1", 1}, IndexCase{"+1", 1}, IndexCase{"01", 1},
                    IndexCase{"007", 7}, IndexCase{"18446744073709551615", UINT64_MAX},
                    IndexCase{"018446744073709551615", UINT64_MAX},
                    IndexCase{"18446744073709551616", std::nullopt},
                    IndexCase{"99999999999999999999", std::nullopt}, IndexCase{"", std::nullopt},
                    IndexCase{"+", std::nullopt}, IndexCase{"-", std::nullopt},
                    IndexCase{"-1", std::nullopt}, IndexCase{"-0", std::nullopt},
                    IndexCase{"1.0", std::nullopt}, IndexCase{" 1", std::nullopt},
                    IndexCase{"1 ", std::nullopt}, IndexCase{"++1", std::nullopt},
                    IndexCase{"x", std::nullopt}, IndexCase{"1x", std::nullopt}));

TEST(ArrayGet, AcceptsOnlyValidInRangeIndexes) {
  const DataType array = abc_array();
  for (const char* key : {"+1", "1", "01"}) {
    ASSERT_NE(array.get(key), nullptr) << key;
    EXPECT_EQ(array.get(key)->as_text(), "b") << key;
  }
  for (const char* key : {"3", "-1", "1.0", "x", "", " 1"}) EXPECT_EQ(array.get(key), nullptr) << key;
}

TEST(ArraySet, ExtendsWithEmptyTextsAndReplaces) {
  DataType one = DataType::array({});
  ASSERT_TRUE(one.set("0", DataType::number(5)));
  ASSERT_EQ(one.as_array().size(), 1u);
  EXPECT_EQ(one.as_array()[0].as_number(), 5.0f);

  DataType three = DataType::array({});
  ASSERT_TRUE(three.set("2", DataType::number(5)));
  ASSERT_EQ(three.as_array().size(), 3u);
  EXPECT_EQ(three.as_array()[0].as_text(), "");
  EXPECT_EQ(three.as_array()[1].as_text(), "");
  EXPECT_EQ(three.as_array()[2].as_number(), 5.0f);

  DataType array = abc_array();
  ASSERT_TRUE(array.set("+1", text("B")));
  EXPECT_EQ(texts_of(array), (std::vector<std::string>{"a", "B", "c"}));
}

TEST(ArraySet, RefusesBadIndexesAndUnboundedGrowth) {
  for (const char* key : {"abc", "-1", "", "1.5", "18446744073709551615", "16777216"}) {
    DataType array = abc_array();
    auto result = array.set(key, text("z"));
    ASSERT_FALSE(result) << key;
    EXPECT_EQ(message(result.error()), "Invalid index");
    EXPECT_EQ(texts_of(array), (std::vector<std::string>{"a", "b", "c"})) << key;
  }
  DataType array = DataType::array({});
  ASSERT_TRUE(array.set("16777215", text("last")));  // the cap itself is allowed
  EXPECT_EQ(array.as_array().size(), std::size_t{1} << 24);
}

TEST(ArrayRemove, ShiftsLaterElementsDown) {
  DataType array = abc_array();
  ASSERT_TRUE(array.remove("0"));
  EXPECT_EQ(texts_of(array), (std::vector<std::string>{"b", "c"}));
  ASSERT_TRUE(array.remove("1"));
  EXPECT_EQ(texts_of(array), (std::vector<std::string>{"b"}));
}

TEST(ArrayRemove, PastTheEndOrInvalidRemovesNothing) {
  for (const char* key : {"3", "99", "-1", "x"}) {
    DataType array = abc_array();
    auto result = array.remove(key);
    ASSERT_FALSE(result) << key;
    EXPECT_EQ(result.error(), Error::kInvalidIndex);
    EXPECT_EQ(texts_of(array), (std::vector<std::string>{"a", "b", "c"}));
  }
}

TEST(Scalars, KeyedOperationsAreRefused) {
  for (DataType value : {DataType::id(Id{}), text("t"), DataType::number(1), DataType::boolean(true)}) {
    const DataType before = value;
    EXPECT_EQ(value.get("0"), nullptr);
    auto set = value.set("0", text("x"));
    ASSERT_FALSE(set);
    EXPECT_EQ(message(set.error()), "Not supported");
    auto remove = value.remove("0");
    ASSERT_FALSE(remove);
    EXPECT_EQ(message(remove.error()), "Not supported");
    EXPECT_EQ(value.kind(), before.kind());
  }
  DataType t = text("keep");
  ASSERT_FALSE(t.set("0", text("x")));
  EXPECT_EQ(t.as_text(), "keep");
}

TEST(DocumentOps, GetIsCaseSensitiveSetReplacesRemoveIsLenient) {
  DataType doc = DataType::document({});
  ASSERT_TRUE(doc.set("Name", text("x")));
  EXPECT_EQ(doc.get("name"), nullptr);
  ASSERT_NE(doc.get("Name"), nullptr);

  ASSERT_TRUE(doc.set("Name", text("y")));
  EXPECT_EQ(doc.as_document().size(), 1u);
  EXPECT_EQ(doc.get("Name")->as_text(), "y");

  ASSERT_TRUE(doc.remove("missing"));
  EXPECT_EQ(doc.as_document().size(), 1u);
  ASSERT_TRUE(doc.remove("Name"));
  EXPECT_TRUE(doc.as_document().empty());
}

std::vector<std::string> keys_in_order(const Document& doc) {
  std::vector<std::string> keys;
  doc.for_each([&](std::string_view key, const DataType&) { keys.emplace_back(key); });
  return keys;
}

// Documents change representation as they grow; both must behave as a map.
TEST(DocumentOps, BehavesAsAMapAcrossSizes) {
  for (int n : {0, 1, 7, 8, 9, 100, 255, 256, 5000}) {
    Document doc;
    for (int i = 0; i < n; ++i) doc.insert_or_assign(std::to_string(i), DataType::number(i));
    for (int i = 0; i < n; i += 2) doc.insert_or_assign(std::to_string(i), DataType::number(-i));
    ASSERT_EQ(doc.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      const DataType* v = doc.find(std::to_string(i));
      ASSERT_NE(v, nullptr);
      EXPECT_EQ(v->as_number(), static_cast<float>(i % 2 ? i : -i));
    }
    EXPECT_EQ(doc.find(std::to_string(n)), nullptr);
    std::set<std::string> seen;
    doc.for_each([&](std::string_view key, const DataType&) { seen.emplace(key); });
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; i += 3) EXPECT_TRUE(doc.erase(std::to_string(i)));
    EXPECT_FALSE(doc.erase("missing"));
    EXPECT_EQ(doc.size(), static_cast<std::size_t>(n - (n + 2) / 3));
  }
}

// Random inserts, replacements and erasures, checked against std::map, in
// tables of a few slots to many, each filled up to its room between growths,
// and in a copy.
TEST(DocumentOps, AgreesWithAnOrderedMapUnderRandomChanges) {
  for (const std::uint32_t key_space : {12u, 400u, 100000u}) {
    std::mt19937 random(key_space);
    Document doc;
    std::map<std::string, float> oracle;
    for (std::uint32_t step = 0; step < 3 * key_space; ++step) {
      std::string key = "k" + std::to_string(random() % key_space);
      if (key.size() % 2) key += " made longer than the inline room";
      if (random() % 4 == 0) {
        EXPECT_EQ(doc.erase(key), oracle.erase(key) == 1) << key;
      } else {
        doc.insert_or_assign(key, DataType::number(static_cast<float>(step)));
        oracle[key] = static_cast<float>(step);
      }
    }
    ASSERT_EQ(doc.size(), oracle.size());
    std::map<std::string, float> seen;
    doc.for_each([&](std::string_view key, const DataType& value) {
      EXPECT_TRUE(seen.emplace(key, value.as_number()).second) << key;
    });
    EXPECT_EQ(seen, oracle);
    const Document copy(doc);
    for (const auto& [key, number] : oracle) {
      ASSERT_NE(doc.find(key), nullptr) << key;
      EXPECT_EQ(doc.find(key)->as_number(), number);
      ASSERT_NE(copy.find(key), nullptr) << key;
    }
    EXPECT_EQ(keys_in_order(copy), keys_in_order(doc));
  }
}

// Reserving room, before or after entries exist and across the change of
// representation, and giving it back, keeps every entry and leaves a working
// map.
TEST(DocumentOps, ReserveKeepsEntries) {
  struct Case {
    int before, reserve, after;
  };
  for (const Case c : {Case{0, 5, 3}, Case{3, 8, 5}, Case{5, 9, 10}, Case{8, 100, 92},
                       Case{20, 4, 1}, Case{6, 50000, 10}}) {
    Document doc;
    for (int i = 0; i < c.before; ++i) doc.insert_or_assign(std::to_string(i), DataType::number(i));
    doc.reserve(static_cast<std::size_t>(c.reserve));
    for (int i = c.before; i < c.before + c.after; ++i) {
      doc.insert_or_assign(std::to_string(i), DataType::number(i));
    }
    doc.shrink_to_fit();  // also where it gives back most of the room
    ASSERT_EQ(doc.size(), static_cast<std::size_t>(c.before + c.after)) << c.reserve;
    for (int i = 0; i < c.before + c.after; ++i) {
      const DataType* v = doc.find(std::to_string(i));
      ASSERT_NE(v, nullptr) << i;
      EXPECT_EQ(v->as_number(), static_cast<float>(i));
    }
    EXPECT_TRUE(doc.erase("0") || c.before + c.after == 0);
  }
}

// Key equality reads words for short keys: a difference at any position, and
// a difference in length, must still be seen.
// The same in a table, whose lookup compares short keys by their words.
TEST(DocumentOps, KeyEqualitySeesEveryByte) {
  for (std::size_t n = 0; n <= 40; ++n) {
    const std::string a(n, 'k');
    EXPECT_TRUE(KeyEqual{}(a, std::string(n, 'k'))) << n;
    EXPECT_FALSE(KeyEqual{}(a, std::string(n + 1, 'k'))) << n;
    Document table;
    for (int i = 0; i < 12; ++i) table.insert_or_assign(std::string(i, 'k') + "!", text("x"));
    table.insert_or_assign(a, text("a"));
    EXPECT_NE(table.find(a), nullptr) << n;
    EXPECT_EQ(table.find(std::string(n + 1, 'k')), nullptr) << n;
    for (std::size_t i = 0; i < n; ++i) {
      std::string b = a;
      b[i] = static_cast<char>(b[i] ^ 0x20);
      EXPECT_FALSE(KeyEqual{}(a, b)) << n << " at " << i;
      Document doc;
      doc.insert_or_assign(a, text("a"));
      EXPECT_EQ(doc.find(b), nullptr) << n << " at " << i;
      EXPECT_EQ(table.find(b), nullptr) << n << " at " << i;
    }
  }
}

TEST(DocumentOps, KeysAreExactBytes) {
  Document doc;
  const std::string with_nul("a\0b", 3);
  doc.insert_or_assign(with_nul, text("nul"));
  doc.insert_or_assign("a", text("plain"));
  doc.insert_or_assign("", text("empty"));
  EXPECT_EQ(doc.find(with_nul)->as_text(), "nul");
  EXPECT_EQ(doc.find("a")->as_text(), "plain");
  EXPECT_EQ(doc.find("")->as_text(), "empty");
  EXPECT_EQ(doc.find("a "), nullptr);
}

TEST(DocumentOps, LargeTablesEnumerateInOrdersOfTheirOwn) {
  auto build = [] {
    Document doc;
    for (int i = 0; i < 64; ++i) doc.insert_or_assign("key" + std::to_string(i), DataType());
    return doc;
  };
  const Document first = build();
  bool differs = false;
  for (int attempt = 0; attempt < 8 && !differs; ++attempt) {
    differs = keys_in_order(build()) != keys_in_order(first);
  }
  EXPECT_TRUE(differs) << "every table should draw its own hash seed";
  // A copy holds the same entries in the same order.
  EXPECT_EQ(keys_in_order(Document(first)), keys_in_order(first));
}

TEST(DeepCopy, SharesNothing) {
  Document inner;
  inner.insert_or_assign("k", DataType::array({text("x")}));
  DataType original = DataType::document(std::move(inner));
  DataType copy = original;
  ASSERT_TRUE(copy.as_document().find("k")->as_array().size() == 1);
  copy.as_document().find("k")->as_array().push_back(text("y"));
  ASSERT_TRUE(copy.set("new", text("z")));
  EXPECT_EQ(original.get("k")->as_array().size(), 1u);
  EXPECT_EQ(original.get("new"), nullptr);

  Document listed = original.to_document();
  listed.insert_or_assign("other", text("o"));
  EXPECT_EQ(original.get("other"), nullptr);
}

// A document of every kind of block: long and short keys and texts, an id,
// an array, a nested small document.
DataType nested_value() {
  Id id;
  id.bytes[3] = 0xAB;
  Document inner;
  inner.insert_or_assign("a key longer than fifteen bytes", text("a text longer than fourteen"));
  inner.insert_or_assign("id", DataType::id(id));
  Document outer;
  outer.insert_or_assign("inner", DataType::document(std::move(inner)));
  outer.insert_or_assign("list", DataType::array({text("short"), text("a long text element here"),
                                                  DataType::number(2), DataType::id(id)}));
  outer.insert_or_assign("flag", DataType::boolean(true));
  return DataType::document(std::move(outer));
}

// Replaces, extends, shrinks, promotes and erases throughout `value`.
void change_everything(DataType& value) {
  DataType& inner = *value.as_document().find("inner");
  ASSERT_TRUE(inner.set("a key longer than fifteen bytes", text("replaced by another long text")));
  for (int i = 0; i < 10; ++i) {  // past the small document's room: an indexed table
    ASSERT_TRUE(inner.set("added key number " + std::to_string(i), DataType::number(i)));
  }
  ASSERT_TRUE(inner.remove("id"));
  DataType& list = *value.as_document().find("list");
  ASSERT_TRUE(list.set("9", text("extends the array past its block")));
  ASSERT_TRUE(list.remove("1"));
  ASSERT_TRUE(list.set("0", DataType::document({})));
  list.as_array().resize(6);
  ASSERT_TRUE(value.set("flag", nested_value()));
  ASSERT_TRUE(value.remove("inner"));
}

TEST(RegionValues, BehaveAsHeapValuesOutsideTheirScope) {
  const DataType on_heap = nested_value();
  ValueRegion region(4096);
  DataType made_in_region;
  {
    const ValueRegionScope scope(region);
    made_in_region = nested_value();
  }
  EXPECT_EQ(describe(made_in_region), describe(on_heap));

  // Copies made outside the scope are independent heap values: changing
  // them, or the region's value, leaves the other as it was.
  DataType copy = made_in_region;
  DataType heap_copy = on_heap;
  change_everything(copy);
  change_everything(heap_copy);
  EXPECT_EQ(describe(copy), describe(heap_copy));
  EXPECT_EQ(describe(made_in_region), describe(on_heap));

  change_everything(made_in_region);
  EXPECT_EQ(describe(made_in_region), describe(heap_copy));
  DataType moved = std::move(made_in_region);
  EXPECT_EQ(describe(moved), describe(heap_copy));
  moved = on_heap;  // drops what is left of the region's blocks
  EXPECT_EQ(describe(moved), describe(on_heap));
}

TEST(RegionValues, CopiesMadeInAScopeLiveInItsRegion) {
  const DataType on_heap = nested_value();
  ValueRegion region(4096);
  {
    const ValueRegionScope scope(region);
    DataType copy = on_heap;
    change_everything(copy);  // regrows region blocks inside the region
    Document listed = copy.to_document();
    EXPECT_NE(listed.find("flag"), nullptr);
  }
  EXPECT_GT(region.mapped_bytes(), 0u);
}

TEST(ToDocument, RefusesOtherVariants) {
  EXPECT_THROW(
      {
        try {
          (void)text("x").to_document();
        } catch (const std::logic_error& e) {
          EXPECT_STREQ(e.what(), "Not a Document");
          throw;
        }
      },
      std::logic_error);
}

TEST(IdText, LowerCaseHyphenatedInByteOrder) {
  Id id;
  for (int i = 0; i < 16; ++i) id.bytes[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(id.text(), "00010203-0405-0607-0809-0a0b0c0d0e0f");
  for (auto& b : id.bytes) b = 0xAB;
  EXPECT_EQ(id.text(), "abababab-abab-abab-abab-abababababab");
}

TEST(NumberPrecision, HoldsSinglePrecision) {
  EXPECT_EQ(DataType::number(static_cast<float>(16777217.0)).as_number(), 16777216.0f);
  EXPECT_EQ(static_cast<double>(DataType::number(0.1f).as_number()), 0.10000000149011612);
}

}  // namespace
}  // namespace quorvane
