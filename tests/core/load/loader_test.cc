#include "core/load/loader.h"
#include "core/load/parallel_loader.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/store/database.h"
#include "core/value/value_region.h"
#include "tests/core/allocation_failure.h"
#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

using testing::AllocationFailure;
using testing::describe;
using testing::load_text;
using testing::StdoutCapture;

constexpr const char* kInvalidDigit = "Error parsing: Some(ParseIntError { kind: InvalidDigit })\n";
constexpr const char* kUnresolved = "Error parsing: unresolved value\n";

// A load from memory: the database as describe() shows it, or nothing for a
// failed load, and what was printed.
struct LoadCase {
  const char* name;
  std::string text;
  std::optional<std::string> database;
  std::string printed;
};

// Shows the case by its name in test output.
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

struct Loaded {
  std::optional<std::string> database;
  std::string printed;
};

Loaded load_and_capture(std::string_view text) {
  StdoutCapture capture;
  const std::expected<Database, Error> db = load_text("mem.mdb", text);
  Loaded out{std::nullopt, capture.finish()};
  if (db) {
    out.database = describe(*db);
  } else {
    EXPECT_EQ(db.error(), Error::kErrorReadingFile);
  }
  return out;
}

// The same load shared among up to `threads` threads, cut at every header
// line it can be (parts of a byte or more).
Loaded load_in_parts_and_capture(std::string_view text, std::size_t threads) {
  StdoutCapture capture;
  StdoutSink sink;
  const std::expected<Database, Error> db =
      load_database_in_parts("mem.mdb", text, sink, threads, 1);
  Loaded out{std::nullopt, capture.finish()};
  if (db) out.database = describe(*db);
  return out;
}

// The same load read from a file `chunk` bytes at a time on `threads`
// threads, parts cut (at every header line they can be) and loaded while the
// file is still being read.
Loaded load_file_in_parts_and_capture(std::string_view text, std::size_t threads,
                                      std::size_t chunk) {
  const std::string path =
      ::testing::TempDir() + "quorvane-streamed-" + std::to_string(::getpid()) + ".mdb";
  std::ofstream(path, std::ios::binary) << text;
  std::expected<FileReader, ReadFailure> file = FileReader::open(path);
  EXPECT_TRUE(file);
  StdoutCapture capture;
  StdoutSink sink;
  const std::expected<Database, Error> db =
      load_file_in_parts("mem.mdb", *file, sink, nullptr, threads, 1, chunk);
  Loaded out{std::nullopt, capture.finish()};
  if (db) out.database = describe(*db);
  std::remove(path.c_str());
  return out;
}

class LoadText : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadText, BuildsTheCollectionsAndPrints) {
  const LoadCase& c = GetParam();
  const Loaded loaded = load_and_capture(c.text);
  EXPECT_EQ(loaded.database, c.database);
  EXPECT_EQ(loaded.printed, c.printed);
  for (const std::size_t threads : {2, 8}) {
    const Loaded in_parts = load_in_parts_and_capture(c.text, threads);
    EXPECT_EQ(in_parts.database, c.database) << threads << " threads";
    EXPECT_EQ(in_parts.printed, c.printed) << threads << " threads";
  }
  for (const std::size_t chunk : {1, 7, 4096}) {
    const Loaded streamed = load_file_in_parts_and_capture(c.text, 2, chunk);
    EXPECT_EQ(streamed.database, c.database) << "read " << chunk << " bytes at a time";
    EXPECT_EQ(streamed.printed, c.printed) << "read " << chunk << " bytes at a time";
  }

  // Every table was sized for at least the entries its section stored.
  StdoutCapture quiet;
  const std::expected<Database, Error> db = load_text("mem.mdb", c.text);
  quiet.finish();
  if (!db) return;
  const std::vector<std::size_t> sizes = section_sizes(c.text);
  ASSERT_EQ(sizes.size(), db->collections().size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_GE(sizes[i], db->collections()[i].entries().size()) << i;
  }
}

TEST(SectionSizes, CountEntryLinesUpToOnePerSixBytes) {
  // Comments, blank lines and headers are no entries; a header after other
  // whitespace (U+00A0) is a header still.
  EXPECT_EQ(section_sizes("3 k 1\n[a]\n# c\n\n  3 k 1\n\xC2\xA0[b]\r\n3 k 1\n\v3 j 2"),
            (std::vector<std::size_t>{1, 2}));
  std::string short_lines = "[c]\n";
  for (int i = 0; i < 60; ++i) short_lines += "3\n";
  EXPECT_EQ(section_sizes(short_lines), (std::vector<std::size_t>{21}));
  EXPECT_EQ(section_sizes("[only]"), (std::vector<std::size_t>{0}));
}

// section_sizes line by line: the sizes the loader gives its tables.
std::vector<std::size_t> section_sizes_by_lines(std::string_view text) {
  std::vector<std::size_t> sizes;
  std::size_t lines = 0, start = 0, pos = 0;
  auto finish = [&](std::size_t end) {
    if (!sizes.empty()) sizes.back() = std::min(lines, (end - start) / 6 + 1);
  };
  while (pos < text.size()) {
    const std::size_t line_start = pos;
    const std::string_view line = trim_whitespace(next_line(text, pos));
    if (header_name(line)) {
      finish(line_start);
      sizes.push_back(0);
      lines = 0;
      start = std::min(pos, text.size());
    } else if (!line.empty() && line.front() != '#') {
      ++lines;
    }
  }
  finish(text.size());
  return sizes;
}

TEST(SectionSizes, MatchLineByLineCountsWhereverLinesStart) {
  // Line kinds of every first byte that matters, cut at every offset against
  // the 16-byte blocks of the scan.
  const std::vector<std::string> lines = {
      "[a]", "3 k 1", "", "# c", "  [b]", "\t3 k 1", "\r", "\xC2\xA0[c]", "\xC2\xA0" "3 k 1",
      "[d] # x", "[", "\x01 k v", "\x7F", "\xE3\x80\x80" "x", "#", "3 key-of-some-length value"};
  std::uint32_t seed = 7;
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(round % 17), 'x');
    text += '\n';
    const int count = 1 + round % 23;
    for (int i = 0; i < count; ++i) {
      seed = seed * 1103515245 + 12345;
      text += lines[(seed >> 16) % lines.size()];
      if (i + 1 < count || round % 2) text += '\n';
    }
    ASSERT_EQ(section_sizes(text), section_sizes_by_lines(text)) << ::testing::PrintToString(text);
  }
  // Sections of thousands of blocks, where the scan's per-lane counters are
  // summed part-way; lines of 16 bytes keep each starting in one lane.
  for (const std::size_t length : {6, 16}) {
    std::string text = "[long]\n";
    for (int i = 0; i < 20000; ++i) {
      text += "3 " + std::string(length - 5, 'k') + " 1\n";
      if (i % 7919 == 0) text += "[next]\n";
    }
    ASSERT_EQ(section_sizes(text), section_sizes_by_lines(text)) << length;
  }
}

const std::nullopt_t kFails = std::nullopt;
const std::string kBom = "\xEF\xBB\xBF";

const LoadCase kLoadCases[] = {
    {"EmptyFile", "", "", ""},
    {"BlankLinesAndCommentsOnly", "\n \n\t# note\n   # indented\n\xE3\x80\x80\n#", "", ""},
    {"HeaderAlone", "[a]", "a: {}\n", ""},
    {"HeaderAfterHeaderGivesAnEmptyCollection", "[a]\n[b]\n3 x 1\n", "a: {}\nb: {x: 1}\n", ""},
    {"DuplicateNamesGiveTwoCollections", "[a]\n3 x 1\n[a]\n3 x 2\n", "a: {x: 1}\na: {x: 2}\n", ""},
    {"IndentedHeaderKeepsInnerSpaces", "  \t[ my users ]  \n3 x 1", " my users : {x: 1}\n", ""},
    {"EmptyName", "[]\n3 x 1\n", ": {x: 1}\n", ""},
    {"BracketsInsideTheName", "[[a]]\n", "[a]: {}\n", ""},
    {"HeaderFollowedByCommentInsideASection", "[a]\n[b] # note\n3 x 1\n", "a: {x: 1}\n", ""},
    {"LoneBracketInsideASection", "[a]\n[\n]\n3 x 1\n", "a: {x: 1}\n", ""},
    {"CommentAfterHeader", "[a]\n# note\n3 x 1\n", "a: {x: 1}\n", ""},
    {"HashInsideAnEntryLine", "[a]\n3 x#y 1\n", "a: {x#y: 1}\n", ""},
    {"EntryLinesAreTrimmed", "[a]\n\t 3 x 1 \xC2\xA0\r\n", "a: {x: 1}\n", ""},
    {"LastLineWithoutLineFeed", "[a]\n3 x 1", "a: {x: 1}\n", ""},
    {"LaterLineReplacesEarlier", "[a]\n3 x 1\n3 x 2\n", "a: {x: 2}\n", ""},
    {"MessagesComeInFileOrder", "[a]\nq x 1\n[b]\n9 y 1\n3 z 1\n", "a: {}\nb: {z: 1}\n",
     std::string(kInvalidDigit) + kUnresolved},
    {"DeeplyNestedValueIsRejectedNotFatal",
     "[a]\n5 k " + std::string(100000, '[') + std::string(100000, ']') + "\n3 n 1\n",
     "a: {n: 1}\n", kUnresolved},
    {"EntryBeforeFirstHeaderFails", "3 x 1\n[a]\n3 y 2\n", kFails, ""},
    {"EntriesAndNoHeaderFail", "3 x 1\n", kFails, ""},
    {"FailureBeforeHeaderPrintsNothing", "x\n[a]\nq k v\n", kFails, ""},
    {"LoneBracketFirstFails", "[\n[a]\n", kFails, ""},
    {"LoneClosingBracketFirstFails", "]\n[a]\n", kFails, ""},
    {"HeaderWithCommentFirstFails", "[a] # note\n3 x 1\n", kFails, ""},
    {"ByteOrderMarkBeforeHeaderFails", kBom + "[a]\n3 x 1\n", kFails, ""},
    {"ByteOrderMarkLineFails", kBom + "\n[a]\n", kFails, ""},
    {"ByteOrderMarkBeforeCommentFails", kBom + "# note\n", kFails, ""},
    {"CarriageReturnAloneEndsNoLine", "[a]\r3 x 1\n", kFails, ""},
    {"LineSeparatorEndsNoLine", "[a]\xE2\x80\xA8" "3 x 1\n", kFails, ""},
};

INSTANTIATE_TEST_SUITE_P(Table, LoadText, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string with_crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(LoadTextLineEndings, CrLfLoadsAsLf) {
  for (const LoadCase& c : kLoadCases) {
    const Loaded lf = load_and_capture(c.text);
    const Loaded crlf = load_and_capture(with_crlf(c.text));
    EXPECT_EQ(crlf.database, lf.database) << c.name;
    EXPECT_EQ(crlf.printed, lf.printed) << c.name;
  }
}

// Invalid sequences: stray continuation, truncated, overlong, surrogate,
// above U+10FFFF, bytes that never occur.
const char* const kInvalidUtf8[] = {"\x80", "\xBF", "\xC3", "\xE2\x80", "\xF0\x9F\x98",
                                    "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                    "\xF4\x90\x80\x80", "\xFE", "\xFF", "\xC3(", "\xE2(\xA1"};

TEST(LoadTextUtf8, AnyInvalidSequenceAnywhereFailsAndPrintsNothing) {
  // Lines that would print messages, so a late check would show.
  const std::string good = "# c\n[a]\nq x 1\n3 y 1\n9 z \"v w\"\n[b]\n";
  for (const char* bad : kInvalidUtf8) {
    for (std::size_t at = 0; at <= good.size(); ++at) {
      const std::string text = good.substr(0, at) + bad + good.substr(at);
      for (const Loaded& loaded : {load_and_capture(text), load_in_parts_and_capture(text, 4),
                                   load_file_in_parts_and_capture(text, 4, 7)}) {
        EXPECT_EQ(loaded.database, std::nullopt) << ::testing::PrintToString(text);
        EXPECT_EQ(loaded.printed, "") << ::testing::PrintToString(text);
      }
    }
  }
}

// Sections of 0 to 4 entries, some with lines that print, some named alike,
// some headers indented or ended by CR LF, and lines that look like headers.
std::string many_sections() {
  std::string text = "# lead\n\n";
  for (int s = 0; s < 300; ++s) {
    text += s % 7 == 0 ? "  [dup]\r\n" : "[c" + std::to_string(s) + "]\n";
    for (int e = 0; e < s % 5; ++e) {
      text += "3 k" + std::to_string(e) + " " + std::to_string(s) + "\n";
    }
    if (s % 3 == 0) text += "q bad 1\n";
    if (s % 4 == 0) text += "5 bad [\n";
    if (s % 5 == 0) text += "[not a header] # x\n# [comment]\n";
  }
  return text;
}

TEST(LoadInParts, CutsAtHeaderLinesOnly) {
  const std::string text = many_sections();
  for (const std::size_t parts : {2, 3, 8, 64, 1000}) {
    for (const std::size_t minimum : {1, 100, 5000}) {
      const std::vector<std::size_t> starts = part_starts(text, parts, minimum);
      ASSERT_FALSE(starts.empty());
      EXPECT_EQ(starts.front(), 0u);
      EXPECT_LE(starts.size(), parts);
      for (std::size_t k = 1; k < starts.size(); ++k) {
        EXPECT_EQ(text[starts[k] - 1], '\n');
        std::size_t pos = starts[k];
        EXPECT_TRUE(header_name(trim_whitespace(next_line(text, pos)))) << starts[k];
        EXPECT_GE(starts[k] - starts[k - 1], minimum);
      }
      EXPECT_GE(text.size() - starts.back(), minimum);
      if (minimum == 1 && parts <= 64) {
        EXPECT_EQ(starts.size(), parts);
      }
    }
  }
  EXPECT_EQ(part_starts(text, 4, text.size()), std::vector<std::size_t>{0});
  EXPECT_EQ(part_starts("[a]\n3 x 1\n3 y 2\n", 4, 1), std::vector<std::size_t>{0});
}

TEST(LoadInParts, GivesTheDatabaseAndMessagesOfOneThread) {
  const std::string text = many_sections();
  const Loaded one = load_and_capture(text);
  ASSERT_TRUE(one.database);
  ASSERT_NE(one.printed, "");
  for (const std::size_t threads : {2, 3, 8, 64}) {
    const Loaded in_parts = load_in_parts_and_capture(text, threads);
    EXPECT_EQ(in_parts.database, one.database) << threads << " threads";
    EXPECT_EQ(in_parts.printed, one.printed) << threads << " threads";
    for (const std::size_t chunk : {5, 333}) {
      const Loaded streamed = load_file_in_parts_and_capture(text, threads, chunk);
      EXPECT_EQ(streamed.database, one.database) << threads << " threads, chunk " << chunk;
      EXPECT_EQ(streamed.printed, one.printed) << threads << " threads, chunk " << chunk;
    }
  }
}

struct Utf8Sink : SilentSink {
  std::optional<std::size_t> offset;
  void invalid_utf8(std::size_t at) { offset = at; }
};

TEST(LoadTextUtf8, SinkLearnsTheByteOffset) {
  Utf8Sink sink;
  EXPECT_FALSE(load_database("p", "[a]\n3 x \xC3\xA9\xFF\n", sink));
  EXPECT_EQ(sink.offset, 10u);
}

TEST(LoadTextUtf8, ValidMultiByteTextLoads) {
  const Loaded loaded = load_and_capture("[\xC3\xA9t\xC3\xA9]\n3 \xF0\x9F\x98\x80 1\n");
  EXPECT_EQ(loaded.database, "\xC3\xA9t\xC3\xA9: {\xF0\x9F\x98\x80: 1}\n");
}

TEST(LoadTextDatabase, KeepsThePathAndBehavesAsAnyOther) {
  const std::expected<Database, Error> db = load_text("../x/./data.mdb", "[Users]\n");
  ASSERT_TRUE(db);
  Database d = *db;
  EXPECT_EQ(d.path(), "../x/./data.mdb");
  EXPECT_EQ(d.list_collections(), std::vector<std::string>{"Users"});
  EXPECT_FALSE(d.create_collection("Users"));
  EXPECT_TRUE(d.create_collection("users"));
}

// Content with a block of every kind: long texts and keys, ids, arrays,
// small documents and, past eight keys, indexed tables.
std::string every_kind_of_block(int sections) {
  std::string text;
  for (int s = 0; s < sections; ++s) {
    text += "[section " + std::to_string(s) + "]\n";
    text += "1 id 0a1b2c3d-0000-4000-8000-00000000000" + std::to_string(s % 10) + "\n";
    text += "2 text a_text_longer_than_fourteen_bytes\n";
    text += "5 list [1, \"another text longer than fourteen\", [true], {\"k\": 2}]\n";
    text += "6 doc {\"a key longer than fifteen bytes\": 0a1b2c3d-0000-4000-8000-000000000000}\n";
    for (int i = 0; i < 10; ++i) {
      text += "3 key" + std::to_string(i) + " " + std::to_string(i) + "\n";
    }
  }
  return text;
}

// Keeps a copy of every value stored, and whether a region was active.
struct KeepingSink : SilentSink {
  std::vector<DataType> kept;
  bool saw_region = false;
  void entry_storing(std::size_t, const Collection&, std::string_view, const DataType& value) {
    saw_region = saw_region || active_value_region() != nullptr;
    kept.push_back(value);
  }
};

TEST(LoadTextRegion, TheDatabaseKeepsItsRegionAndSinksMakeHeapValues) {
  const std::string text = every_kind_of_block(3);
  KeepingSink sink;
  auto db = std::make_optional(load_database("p", text, sink));
  ASSERT_TRUE(*db);
  EXPECT_FALSE(sink.saw_region);  // the sink runs with the region paused
  EXPECT_EQ(active_value_region(), nullptr);
  const std::string loaded = describe(**db);
  std::optional<Database> copy(**db);
  const DataType stored_list = *(*db)->collections()[2].get("list");
  db.reset();  // the database, then its region, go
  // Copies and what the sink kept are heap values: still there, unchanged.
  EXPECT_EQ(describe(*copy), loaded);
  EXPECT_EQ(describe(stored_list), describe(sink.kept[2 * 14 + 2]));
  ASSERT_EQ(sink.kept.size(), 3u * 14);
  EXPECT_EQ(sink.kept[1].as_text(), "a_text_longer_than_fourteen_bytes");
}

TEST(LoadTextRegion, ValueBlocksComeFromTheRegion) {
  const std::string text = every_kind_of_block(40);
  SilentSink sink;
  (void)load_database("p", text, sink);  // the parser's scratch space, once per thread
  AllocationFailure counting(-1);
  std::optional<std::expected<Database, Error>> db(load_database("p", text, sink));
  ASSERT_TRUE(*db);
  // Each section makes ten value blocks or more, its table among them: on
  // the heap are only the list of collections, its index and the region's
  // chunks, far fewer than one block per section.
  const long heap_blocks = counting.live();
  EXPECT_LT(heap_blocks, 10);
  // Heap values put into loaded values, at any depth, go with the database.
  DataType* list = (*db)->collections()[0].entries().find("list");
  ASSERT_TRUE(list->set("1", DataType::text("a heap text longer than fourteen")));
  ASSERT_TRUE(list->as_array()[3].set("k", DataType::text("another long heap text")));
  db.reset();
  EXPECT_EQ(counting.live(), 0);
}

TEST(LoadTextRegion, RunningOutOfMemoryFailsCleanlyAnywhere) {
  const std::string text = every_kind_of_block(3);
  SilentSink sink;
  const std::string expected = describe(*load_database("p", text, sink));
  for (long fail_at = 0;; ++fail_at) {
    AllocationFailure failure(fail_at);
    std::optional<bool> loaded_alike;  // no string outlives the attempt
    try {
      const std::expected<Database, Error> db = load_database("p", text, sink);
      ASSERT_TRUE(db);
      loaded_alike = describe(*db) == expected;
    } catch (const std::bad_alloc&) {
    }
    EXPECT_EQ(failure.live(), 0) << "left behind after failing allocation " << fail_at;
    if (!failure.failed()) {
      EXPECT_EQ(loaded_alike, true);
      EXPECT_GT(fail_at, 20);
      break;
    }
    EXPECT_EQ(loaded_alike, std::nullopt) << fail_at;
  }
}

// Starting a load's threads blocks signals for a moment, and restores the
// calling thread's mask also when an allocation fails there.
TEST(LoadTextRegion, RunningOutOfMemoryInPartsKeepsTheSignalMask) {
  const std::string text = every_kind_of_block(3);
  sigset_t mask;
  for (long fail_at = 0;; ++fail_at) {
    AllocationFailure failure(fail_at);
    StdoutSink sink;
    try {
      static_cast<void>(load_database_in_parts("p", text, sink, 2, 1));
    } catch (const std::bad_alloc&) {
    }
    ASSERT_EQ(pthread_sigmask(SIG_SETMASK, nullptr, &mask), 0);
    ASSERT_FALSE(sigismember(&mask, SIGINT)) << fail_at;
    if (!failure.failed()) break;
  }
}

struct EarlySink : SilentSink {
  std::vector<std::size_t> early;
  void entry_before_header(std::size_t n, std::string_view) { early.push_back(n); }
};

TEST(LoadTextSink, HearsOfTheFirstEntryAheadOfAnyHeader) {
  EarlySink sink;
  EXPECT_FALSE(load_database("p", "\n# c\n  x y z\nw\n[a]\n", sink));
  EXPECT_EQ(sink.early, std::vector<std::size_t>{3});
}

}  // namespace
}  // namespace quorvane
