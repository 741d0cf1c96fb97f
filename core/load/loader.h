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
// Reading the file is file_reader.h's; the module's entry point, load_file.h.
#pragma once

#include <cstddef>
#include <expected>
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
#include "core/load/section_sizes.h"
#include "core/text/unicode.h"
#include "core/value/value_region.h"

namespace quorvane {

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
    if (collections.size() == first_section) return;
    Document& entries = collections.back().entries();
    if (entries.empty()) entries = Document();  // gives back the room of lines that stored nothing
    entries.shrink_to_fit();
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
      if (unsized > Document::kSmallDocumentMax && entries.empty()) {
        // The entries before the sizing go into a heap block of a small
        // document's room, freed when the table is sized and then reused
        // for the next section's: room that a region block gives up stays
        // taken.
        const ValueRegionPause heap;
        entries.reserve(Document::kSmallDocumentMax);
      }
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

}  // namespace quorvane
