#include "core/store/database.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/value/value_region.h"
#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

using Names = std::vector<std::string>;

TEST(Database, StartsEmptyWithTheDefaultPath) {
  Database db;
  EXPECT_EQ(db.path(), "./default.mdb");
  EXPECT_TRUE(db.list_collections().empty());
  EXPECT_EQ(db.find_collection(""), std::nullopt);
}

TEST(Database, CreateAppendsAndRefusesDuplicates) {
  Database db;
  ASSERT_TRUE(db.create_collection("b"));
  auto a = db.create_collection("a");
  ASSERT_TRUE(a);
  EXPECT_EQ((*a)->name, "a");
  EXPECT_EQ(db.list_collections(), (Names{"b", "a"}));

  auto again = db.create_collection("a");
  ASSERT_FALSE(again);
  EXPECT_EQ(message(again.error()), "Collection already exists");
  EXPECT_EQ(db.list_collections(), (Names{"b", "a"}));

  ASSERT_TRUE(db.create_collection("A"));  // names are case-sensitive
  ASSERT_TRUE(db.create_collection(""));   // the empty name is a name
  ASSERT_EQ(db.find_collection(""), 3u);
  EXPECT_EQ(db.collections()[3].name, "");
  EXPECT_EQ(db.list_collections(), (Names{"b", "a", "A", ""}));
  EXPECT_EQ(db.find_collection("missing"), std::nullopt);
  EXPECT_EQ(db.find_collection("a "), std::nullopt);
}

TEST(Database, DuplicateNamesFromAFileResolveToTheFirst) {
  std::vector<Collection> collections;
  collections.emplace_back("users").set("n", DataType::number(1));
  collections.emplace_back("users").set("n", DataType::number(2));
  Database db("data.mdb", std::move(collections));
  EXPECT_EQ(db.path(), "data.mdb");
  EXPECT_EQ(db.list_collections(), (Names{"users", "users"}));
  ASSERT_EQ(db.find_collection("users"), 0u);
  EXPECT_EQ(db.collections()[0].get("n")->as_number(), 1.0f);
  EXPECT_FALSE(db.create_collection("users"));
  EXPECT_TRUE(db.create_collection("Users"));
}

// Many collections grow the list (and move its names) many times over; each
// name must still lead to its own collection, and a duplicate to the first.
TEST(Database, EveryNameFindsItsCollectionAfterGrowth) {
  std::vector<Collection> loaded;
  loaded.emplace_back("c0");
  loaded.emplace_back("c0").set("second", DataType::number(1));
  Database db("data.mdb", std::move(loaded));
  Names expected{"c0", "c0"};
  for (int i = 1; i < 3000; ++i) {
    expected.push_back("c" + std::to_string(i));
    ASSERT_TRUE(db.create_collection(expected.back()));
  }
  EXPECT_EQ(db.list_collections(), expected);
  EXPECT_EQ(db.find_collection("c0"), 0u);
  for (std::size_t i = 2; i < expected.size(); ++i) {
    ASSERT_EQ(db.find_collection(expected[i]), i) << expected[i];
    ASSERT_EQ(db.collections()[i].name, expected[i]);
  }
  EXPECT_FALSE(db.create_collection("c2999"));
  EXPECT_EQ(db.find_collection("c3000"), std::nullopt);
}

// Collections whose values have their blocks in `region`.
std::vector<Collection> collections_in(ValueRegion& region, const std::string& tag) {
  const ValueRegionScope scope(region);
  std::vector<Collection> collections;
  Collection& c = collections.emplace_back("c");
  c.set("text", DataType::text("a long text value, " + tag));
  c.set("list", DataType::array({DataType::id(Id{}), DataType::text("another long text")}));
  for (int i = 0; i < 12; ++i) c.set("key " + std::to_string(i), DataType::number(i));
  return collections;
}

// Under AddressSanitizer, a value that outlived its region shows as a use of
// unmapped memory (and without it, as a crash).
TEST(DatabaseRegions, TheDatabaseOutlivesNothingItNeeds) {
  ValueRegion first_region;
  Database first("first.mdb", collections_in(first_region, "first"));
  first.keep_region(std::move(first_region));
  EXPECT_EQ(first_region.mapped_bytes(), 0u);  // NOLINT(bugprone-use-after-move): moved-from
  const std::string expected = testing::describe(first);

  // A copy holds heap values of its own and outlives its source.
  std::optional<Database> copy;
  {
    const Database source = first;
    copy.emplace(source);
  }
  EXPECT_EQ(testing::describe(*copy), expected);

  // Moves carry the regions along; assigning over a database with regions
  // drops its collections before its regions.
  Database moved = std::move(first);
  EXPECT_EQ(testing::describe(moved), expected);
  ValueRegion second_region;
  Database second("second.mdb", collections_in(second_region, "second"));
  second.keep_region(std::move(second_region));
  moved = std::move(second);
  EXPECT_EQ(moved.path(), "second.mdb");
  EXPECT_EQ(moved.collections()[0].get("text")->as_text(), "a long text value, second");
  *copy = moved;
  moved = Database();
  EXPECT_EQ(copy->collections()[0].get("text")->as_text(), "a long text value, second");
  copy->collections()[0].set("list", DataType::number(0));  // a heap value's own blocks
}

TEST(CollectionOps, GetSetDel) {
  Collection c("c");
  EXPECT_TRUE(c.entries().empty());
  EXPECT_EQ(c.get("a"), nullptr);

  c.set("a", DataType::text("x")).set("A", DataType::text("upper"));
  EXPECT_EQ(c.get("a")->as_text(), "x");
  EXPECT_EQ(c.get("A")->as_text(), "upper");
  c.set("a", DataType::text("y"));
  EXPECT_EQ(c.get("a")->as_text(), "y");
  EXPECT_EQ(c.entries().size(), 2u);

  c.del("a");
  EXPECT_EQ(c.get("a"), nullptr);
  c.del("a");
  EXPECT_EQ(c.entries().size(), 1u);
}

TEST(CollectionOps, SuccessiveCopiesEnumerateInTheSameOrder) {
  Collection c("c");
  for (int i = 0; i < 100; ++i) c.set("k" + std::to_string(i), DataType::number(i));
  auto keys = [](const Document& d) {
    Names out;
    d.for_each([&](std::string_view k, const DataType&) { out.emplace_back(k); });
    return out;
  };
  EXPECT_EQ(keys(Document(c.entries())), keys(Document(c.entries())));
}

}  // namespace
}  // namespace quorvane
