// load_database_file on real files: reading, and the failures of reading.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>

#include "core/store/database.h"
#include "core/load/file_reader.h"
#include "core/load/load_file.h"
#include "core/load/loader.h"
#include "core/load/parallel_loader.h"
#include "tests/test_support/test_support.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using testing::describe;
using testing::load_text;
using testing::StdoutCapture;

// A fresh directory of this process, removed at the end of the test.
class LoadFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("quorvane-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, std::string_view content) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  fs::path dir_;
};

// Loads `path`, checking that a failure prints nothing.
std::expected<Database, Error> load_quietly(std::string_view path) {
  StdoutCapture capture;
  std::expected<Database, Error> db = load_database_file(path);
  const std::string printed = capture.finish();
  if (!db) {
    EXPECT_EQ(printed, "") << path;
  }
  return db;
}

TEST_F(LoadFile, LoadsAsFromMemoryAndKeepsThePath) {
  const std::string text = "# shop\n[users]\n3 age 36\n\n[orders]\n3 n 2\r\n";
  const std::string path = write("shop.mdb", text);
  const std::expected<Database, Error> db = load_quietly(path);
  ASSERT_TRUE(db);
  EXPECT_EQ(db->path(), path);
  EXPECT_EQ(describe(*db), describe(*load_text(path, text)));
  EXPECT_EQ(db->list_collections(), (std::vector<std::string>{"users", "orders"}));
}

TEST_F(LoadFile, RelativePathIsKeptAsGiven) {
  write("rel.mdb", "[a]\n");
  const fs::path old = fs::current_path();
  fs::current_path(dir_);
  const std::expected<Database, Error> db = load_quietly("./rel.mdb");
  fs::current_path(old);
  ASSERT_TRUE(db);
  EXPECT_EQ(db->path(), "./rel.mdb");
}

TEST_F(LoadFile, EmptyFileGivesAnEmptyDatabase) {
  const std::expected<Database, Error> db = load_quietly(write("empty.mdb", ""));
  ASSERT_TRUE(db);
  EXPECT_TRUE(db->list_collections().empty());
}

TEST_F(LoadFile, EveryReadFailureIsTheSameError) {
  const std::string good = write("good.mdb", "[a]\n");
  using enum ReadFailure::Cause;
  // Each path, and the cause and errno the reader keeps for the checker's message.
  const std::tuple<std::string, ReadFailure::Cause, int> cases[] = {
      {(dir_ / "missing.mdb").string(), kSystemError, ENOENT},
      {dir_.string(), kNotRegularFile, 0},                     // a directory
      {good + "/inner", kSystemError, ENOTDIR},                // a file used as a directory
      {"/proc/self/mem", kSystemError, EIO},                   // opens, but reading at 0 fails
      {good + std::string(1, '\0') + "junk", kNulInPath, 0},  // would open good.mdb if cut
      {"", kEmptyPath, 0},
  };
  for (const auto& [path, cause, system_error] : cases) {
    const std::expected<Database, Error> db = load_quietly(path);
    ASSERT_FALSE(db) << ::testing::PrintToString(path);
    EXPECT_EQ(db.error(), Error::kErrorReadingFile);
    EXPECT_EQ(message(db.error()), "Error reading file");
    LoadStop stop;
    std::expected<FileReader, ReadFailure> file = FileReader::open(path);
    const auto read = file ? file->read_rest(stop)
                           : std::expected<FileContents, ReadFailure>(std::unexpect, file.error());
    ASSERT_FALSE(read);
    EXPECT_EQ(std::tuple(read.error().cause, read.error().system_error),
              std::tuple(cause, system_error));
    EXPECT_EQ(S_ISDIR(read.error().mode), path == dir_.string());
  }
}

TEST_F(LoadFile, UnreadableContentFails) {
  const std::string bad = write("bad.mdb", "[a]\n3 x 1\n\xFF");
  const std::string bom = write("bom.mdb", "\xEF\xBB\xBF[a]\n3 x 1\n");
  EXPECT_FALSE(load_quietly(bad));
  EXPECT_FALSE(load_quietly(bom));
}

TEST_F(LoadFile, ReadsFilesOfEverySize) {
  // Around the first buffer size and a few pages beyond it.
  for (std::size_t size : {std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                           std::size_t{65537}, std::size_t{300001}}) {
    std::string content(size, 'x');
    for (std::size_t i = 0; i < size; i += 97) content[i] = static_cast<char>('a' + i % 26);
    const std::expected<FileContents, Error> read = read_whole_file(write("f", content));
    ASSERT_TRUE(read) << size;
    EXPECT_EQ(read->text(), content) << size;
  }
}

TEST_F(LoadFile, ReadsFilesWhoseSizeIsUnknownBeforehand) {
  // /proc files are regular files that report size 0; the content must still
  // be read whole.
  const std::expected<FileContents, Error> read = read_whole_file("/proc/self/status");
  ASSERT_TRUE(read);
  EXPECT_NE(read->text().find("Name:"), std::string_view::npos);
  EXPECT_NE(read->text().find("VmRSS:"), std::string_view::npos);
}

TEST_F(LoadFile, AnythingButARegularFileIsRefusedAtOnce) {
  // Opening a FIFO that no one writes to would wait for a writer, and a
  // device may never end: each is tried in a child that a timer ends.
  const std::string fifo = (dir_ / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/null"), std::string("/dev/tty")}) {
    EXPECT_EXIT(
        {
          ::alarm(10);
          const auto read = read_whole_file(path);
          std::_Exit(!read && read.error() == Error::kErrorReadingFile ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << path;
  }
}

// Counts calls of the hooks below; each test sets it to 0 first.
int g_hook_calls = 0;

TEST_F(LoadFile, ReadingStopsWhenItsHookSaysSo) {
  std::string content = "[a]\n2 k ";
  content.append(3 * kReadChunk, 'x');
  const std::string path = write("big.mdb", content);

  g_hook_calls = 0;
  const auto all = read_whole_file(path, [] { return ++g_hook_calls > 0; });
  ASSERT_TRUE(all);
  EXPECT_EQ(all->text(), content);
  EXPECT_GE(g_hook_calls, 4);  // once a chunk

  g_hook_calls = 0;
  const auto stopped = read_whole_file(path, [] { return ++g_hook_calls < 2; });
  ASSERT_FALSE(stopped);
  EXPECT_EQ(stopped.error(), Error::kReadInterrupted);
  EXPECT_EQ(g_hook_calls, 2);
  g_hook_calls = 0;
  const auto loaded = load_database_file(path, LoadHooks{.keep_reading = [] { return false; }});
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.error(), Error::kReadInterrupted);

  // Also asked while the text is parsed: stopping after the last chunk.
  std::string sections;
  while (sections.size() < 3 * kStopCheckBytes) sections += "[s]\n3 k 1\n";
  g_hook_calls = static_cast<int>((sections.size() - 1) / kReadChunk + 1);  // the chunks
  const auto parsed = load_database_file(
      write("many.mdb", sections), LoadHooks{.keep_reading = [] { return g_hook_calls-- > 0; }});
  ASSERT_FALSE(parsed);
  EXPECT_EQ(parsed.error(), Error::kReadInterrupted);
}

// The file that the hooks below change while it is being read.
std::string g_changing;

// A file that grows or shrinks while its parts load: the load is that of the
// bytes read, and stopping part-way fails cleanly, with every thread joined.
TEST_F(LoadFile, PartsLoadWhileTheFileIsReadAndChanges) {
  std::string content;  // more than the 64 KiB a read starts with
  for (int s = 0; s < 4000; ++s) {
    content += "[c" + std::to_string(s) + "]\n3 k " + std::to_string(s) + "\n3 bad x\n";
  }
  const std::size_t chunk = 64;
  auto load = [&](bool (*keep_reading)()) {
    std::expected<FileReader, ReadFailure> file = FileReader::open(g_changing);
    EXPECT_TRUE(file);
    StdoutSink sink;
    StdoutCapture capture;
    std::expected<Database, Error> db =
        load_file_in_parts("f.mdb", *file, sink, keep_reading, 4, 1, chunk);
    return std::pair{std::move(db), capture.finish()};
  };
  auto load_from_memory = [](std::string_view text) {
    StdoutCapture capture;
    std::expected<Database, Error> db = load_text("f.mdb", text);
    return std::pair{describe(*db), capture.finish()};
  };

  g_changing = write("grows.mdb", content);
  auto [grown, grown_printed] = load([] {
    if (g_hook_calls++ == 3) std::ofstream(g_changing, std::ios::app) << "[late]\n3 k 1\n3 bad y\n";
    return true;
  });
  ASSERT_TRUE(grown);
  EXPECT_EQ(std::pair(describe(*grown), grown_printed),
            load_from_memory(content + "[late]\n3 k 1\n3 bad y\n"));

  g_hook_calls = 0;
  g_changing = write("shrinks.mdb", content);
  auto [shrunk, shrunk_printed] = load([] {
    if (g_hook_calls++ == 3) fs::resize_file(g_changing, 10 * 64);
    return true;
  });
  ASSERT_TRUE(shrunk);
  EXPECT_EQ(std::pair(describe(*shrunk), shrunk_printed),
            load_from_memory(std::string_view(content).substr(0, 10 * 64)));

  for (const int stop_at : {0, 5, 40}) {
    g_hook_calls = stop_at;
    g_changing = write("stopped.mdb", content);
    auto [stopped, printed] = load([] { return g_hook_calls-- > 0; });
    ASSERT_FALSE(stopped);
    EXPECT_EQ(stopped.error(), Error::kReadInterrupted);
    EXPECT_EQ(printed, "");
  }
}

TEST_F(LoadFile, TheFirstMessageHookRunsOnceBeforeTheFirstMessage) {
  const LoadHooks hooks{.before_first_message = [] {
    ++g_hook_calls;
    std::fputs("hook\n", stdout);
    return true;
  }};
  for (const auto& [text, expected] : {
           std::pair{"[a]\n3 k x\n3 j y\n", "hook\nError parsing: unresolved value\n"
                                             "Error parsing: unresolved value\n"},
           std::pair{"[a]\n3 k 1\n", ""},
       }) {
    g_hook_calls = 0;
    const std::string path = write("f.mdb", text);
    StdoutCapture capture;
    ASSERT_TRUE(load_database_file(path, hooks));
    EXPECT_EQ(capture.finish(), expected);
    EXPECT_EQ(g_hook_calls, *expected ? 1 : 0);
  }
}

}  // namespace
}  // namespace quorvane
