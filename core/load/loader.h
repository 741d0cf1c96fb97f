// Loading a database from the text of a database file.
//
// The file is UTF-8 text of lines cut at line feeds. Every line is trimmed of
// White_Space at both ends (so a carriage return before the line feed goes
// too) and then is blank (ignored), a comment (first character "#", ignored),
// a header ("[" first and "]" last: starts a collection of the name between
// them) or an entry line of the collection opened last (section_parser.h).
// A load fails with kErrorReadingFile, building nothing and printing nothing,
// when the text is not valid UTF-8 or has an entry line ahead of its first
// header; a byte order mark is no whitespace, so a file that starts with one
// fails this way too. Entry lines that are rejected never fail the load.
//
// One pass over the text; lines are views into it and nothing is copied but
// the names, keys and values stored. Not thread-safe on a shared sink.
#pragma once

#include <cstddef>
#include <expected>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/store/database.h"
#include "core/load/entry_splitter.h"
#include "core/value/error.h"
#include "core/load/load_sink.h"
#include "core/load/load_stop.h"
#include "core/load/section_parser.h"
#include "core/text/unicode.h"
#include "core/value/value_region.h"

namespace quorvane {

// The bytes of a file, read whole in one go.
class FileContents {
 public:
  FileContents() = default;
  FileContents(std::unique_ptr<char[]> data, std::size_t size)
      : data_(std::move(data)), size_(size) {}
  std::string_view text() const { return {data_.get(), size_}; }

 private:
  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
};

// Reads the whole file at `path`, which must be a regular file: it is opened
// without blocking and anything else (a directory, a FIFO, a device such as
// /dev/zero) is refused at once, before a byte is read. Fails with
// kErrorReadingFile, whatever the reason (missing, not a regular file, no
// permission, a read error, a path holding a NUL byte); the system's own
// error is discarded. When `keep_reading` is given it is called after every
// chunk of kReadChunk bytes or less; if it returns false, reading stops and
// fails with kReadInterrupted.
inline constexpr std::size_t kReadChunk = std::size_t{1} << 20;
std::expected<FileContents, Error> read_whole_file(std::string_view path,
                                                   bool (*keep_reading)() = nullptr);

// A regular file open for reading, as read_whole_file opens it, and the size
// the system stated for it when it was opened (it may change meanwhile). It
// reads at offsets of its own, never moving the descriptor's: a process
// forked meanwhile, which shares the descriptor, reads the same bytes.
class ReadableFile {
 public:
  // Fails with kErrorReadingFile where read_whole_file does before reading.
  static std::expected<ReadableFile, Error> open(std::string_view path);
  ReadableFile(ReadableFile&& other) noexcept;
  ReadableFile& operator=(ReadableFile&&) = delete;
  ~ReadableFile();

  std::size_t stated_size() const { return stated_size_; }
  struct Chunk {
    std::size_t bytes = 0;     // none at the end of the file
    bool interrupted = false;  // by a signal, before any byte was read
  };
  // Reads up to `room` (> 0) bytes to `at`; nothing on a read error.
  std::optional<Chunk> read(char* at, std::size_t room);
  // Whether `chunk` is the end of the file.
  static bool at_end(const Chunk& chunk) { return chunk.bytes == 0 && !chunk.interrupted; }

 private:
  ReadableFile(int fd, std::size_t stated_size) : fd_(fd), stated_size_(stated_size) {}
  int fd_;
  std::size_t stated_size_;
  std::size_t offset_ = 0;  // of the next byte to read
};

// The room a whole read of `file` starts with: one byte more than its stated
// size, so that a file read whole ends with a zero-length read.
std::size_t first_read_capacity(const ReadableFile& file);

// Reads the rest of `file` into `data`, which holds `size` bytes already and
// has room for `capacity`, doubling it when it is full (files whose size is
// not known in advance, /proc, or that grow meanwhile), and polling `stop`
// after every chunk; once it says stop, fails with stop.error().
std::expected<FileContents, Error> read_rest(ReadableFile& file, std::unique_ptr<char[]> data,
                                             std::size_t capacity, std::size_t size,
                                             LoadStop& stop);

// For each section of `text` in order, how many entries its table is sized
// for before loading: its entry lines (neither blank, nor comments, nor
// headers), but no more than one per six bytes of the section (the shortest
// entry line, "1 k v", and its line feed), so that lines that cannot load
// reserve little. Entry lines ahead of the first header are not counted.
std::vector<std::size_t> section_sizes(std::string_view text);

// A table sized for more lines than this comes from the heap, not the
// region: a block of that size has a region chunk of its own, which the
// region cannot give back when the table shrinks.
inline constexpr std::size_t kRegionTableLines = std::size_t{1} << 16;

// Loads the lines of `text`, which starts at the start of line `first_line`
// of a file, appending a collection to `collections` for each header line.
// Fails with kErrorReadingFile at an entry line met while `collections` is
// still empty. A collection's table is sized once, from section_sizes,
// instead of growing by doubling while its entries are stored, but only once
// it holds Document::kSmallDocumentMax entries: lines that store no new key
// (rejected, or setting a key again) do not size it on their own. What it
// does not use is given back at the end of its section. The caller checks
// UTF-8 and activates the region the value blocks are made in; the sink's
// hooks run with it paused (RegionPausingSink). `stop`, when given, is polled
// every kStopCheckBytes, and looked at every line: once it says stop, fails
// with kReadInterrupted.
template <LoadSink Sink>
std::expected<void, Error> load_lines(std::string_view text, std::size_t first_line,
                                      std::vector<Collection>& collections, Sink& outer_sink,
                                      LoadStop* stop = nullptr) {
  RegionPausingSink<Sink> sink{outer_sink};
  const std::vector<std::size_t> sizes = section_sizes(text);
  const std::size_t first_section = collections.size();
  collections.reserve(first_section + sizes.size());
  EntryFields fields;
  std::size_t unsized = 0;  // the size for the open section's table, until it is sized
  auto end_section = [&] {
    if (collections.size() > first_section) collections.back().entries().shrink_to_fit();
  };
  std::size_t line_number = first_line - 1;
  std::size_t pos = 0;
  std::size_t next_poll = kStopCheckBytes;
  while (pos < text.size()) {
    // A stop asked for by another thread is seen at the next line.
    if (stop && (pos >= next_poll || stop->requested())) {
      if (stop->poll()) return std::unexpected(Error::kReadInterrupted);
      next_poll = pos + kStopCheckBytes;
    }
    const std::string_view line = trim_whitespace(next_line(text, pos));
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    if (const std::optional<std::string_view> name = header_name(line)) {
      end_section();
      sink.section_started(line_number, *name);
      const std::size_t section = collections.size() - first_section;
      unsized = section < sizes.size() ? sizes[section] : 0;
      collections.emplace_back(*name);
    } else if (collections.empty()) {
      sink.entry_before_header(line_number, line);
      return std::unexpected(Error::kErrorReadingFile);
    } else {
      Document& entries = collections.back().entries();
      if (unsized != 0 && entries.size() == Document::kSmallDocumentMax) {
        std::optional<ValueRegionPause> heap;
        if (unsized > kRegionTableLines) heap.emplace();
        entries.reserve(unsized);
        unsized = 0;
      }
      parse_entry_line(collections.back(), line, line_number, fields, sink);
    }
  }
  end_section();
  return {};
}

// Builds a database from `text`, recording `path` as where it came from.
// The value blocks of the load come from one ValueRegion, which the database
// keeps (database.h). On failure, by error or exception, everything built is
// released. A load that `stop` (when given) stops fails with stop->error().
template <LoadSink Sink>
std::expected<Database, Error> load_database(std::string_view path, std::string_view text,
                                             Sink& sink, LoadStop* stop = nullptr) {
  if (const std::optional<std::size_t> bad = find_invalid_utf8(text)) {
    sink.invalid_utf8(*bad);
    return std::unexpected(Error::kErrorReadingFile);
  }
  // `collections` is declared after the region: whichever way the load ends,
  // by an error or an exception, every value built is destroyed before it.
  ValueRegion region;
  std::vector<Collection> collections;
  {
    const ValueRegionScope scope(region);
    if (const std::expected<void, Error> loaded = load_lines(text, 1, collections, sink, stop);
        !loaded) {
      return std::unexpected(stop && stop->requested() ? stop->error() : loaded.error());
    }
  }
  Database database(std::string(path), std::move(collections));
  if (region.mapped_bytes() != 0) {
    region.trim();
    database.keep_region(std::move(region));
  }
  return database;
}

// Reads the file at `path` whole, then loads it as above.
template <LoadSink Sink>
std::expected<Database, Error> load_database_file(std::string_view path, Sink& sink,
                                                  bool (*keep_reading)() = nullptr) {
  const std::expected<FileContents, Error> contents = read_whole_file(path, keep_reading);
  if (!contents) return std::unexpected(contents.error());
  return load_database(path, contents->text(), sink);
}

// What the caller of load_database_file may be called back for; each may be null.
struct LoadHooks {
  // Called after every chunk read from the file, every kStopCheckBytes of
  // text parsed, and every few milliseconds while the calling thread waits
  // for the load's other threads; returning false stops the load, which
  // fails with kReadInterrupted. A child forked inside it fails with
  // kErrorReadingFile (load_stop.h).
  bool (*keep_reading)() = nullptr;
  // Called once, just before the first "Error parsing: " line is written;
  // returning false has no line written from then on (the caller is ending
  // the load, and has keep_reading return false).
  bool (*before_first_message)() = nullptr;
};

// Builds a database from the database text file at `path`, as the module
// does: rejected entry lines print one "Error parsing: ..." line each on
// standard output and are skipped. Fails with kErrorReadingFile, building
// nothing, when the file is no regular file, cannot be read, is not valid
// UTF-8, or has entry lines ahead of its first header; with kReadInterrupted
// when hooks.keep_reading stopped it. A file of several MiB is loaded on
// several threads (parallel_loader.h), with the same database and output.
// The hooks are called on the calling thread only.
std::expected<Database, Error> load_database_file(std::string_view path,
                                                  const LoadHooks& hooks = {});

}  // namespace quorvane
