// Loading a large database text on several threads at once.
//
// The text is cut at header lines into parts of about equal size, several
// for each thread; the calling thread and threads of the load's own take the
// parts in turn, each checking and loading a part into collections of its
// own, so that a thread on a busy processor simply takes fewer. The parts'
// collections are then joined in file order, and the messages each part
// kept back are printed in file order by the calling thread, once the whole
// text is read and every earlier part is loaded: the database and the output
// are exactly those of load_database on one thread (which prints as it goes).
// A file's parts may load while later ones are still being read. Any thread
// that sees the load's LoadStop say stop leaves its part at the next line.
// Texts too small to share, or without a header line to cut at, load on the
// calling thread alone, and if no thread can be started, the calling thread
// loads every part.
#pragma once

#include <cstddef>
#include <expected>
#include <string_view>
#include <vector>

#include "core/load/file_reader.h"
#include "core/load/load_sink.h"
#include "core/load/load_stop.h"
#include "core/store/database.h"
#include "core/value/error.h"

namespace quorvane {

// A text smaller than this is not worth a thread of its own.
inline constexpr std::size_t kMinimumPartBytes = std::size_t{1} << 20;
// Parts are no smaller than this: the threads take parts in turn, and the
// smaller the last ones, the closer together the threads finish.
inline constexpr std::size_t kSmallestPartBytes = std::size_t{256} << 10;

// Where `text` is cut for up to `parts` parts: the offsets at which parts
// start, the first being 0. Each later one is the start of the first header
// line at or after an even share of the text, and parts are at least
// `minimum` bytes long (so there may be fewer, down to one).
std::vector<std::size_t> part_starts(std::string_view text, std::size_t parts,
                                     std::size_t minimum = kSmallestPartBytes);

// How many threads a load of `size` bytes uses: one per kMinimumPartBytes,
// but no more than the processors this thread may run on (and at most 8).
std::size_t load_threads(std::size_t size);

// load_database with `sink`, on up to `threads` threads, sharing the parts
// of part_starts with parts of at least `minimum_part` bytes. Every thread
// polls `stop` (when given) as load_database does, and the calling thread
// polls it while it waits for the others too: a stopped load fails with
// stop->error().
std::expected<Database, Error> load_database_in_parts(
    std::string_view path, std::string_view text, StdoutSink& sink, std::size_t threads,
    std::size_t minimum_part = kSmallestPartBytes, LoadStop* stop = nullptr);

// Reads `file` whole, `chunk` bytes at most at a time, calling
// `keep_reading` (when given) after each, and loads it as
// load_database_in_parts does. With two threads or more and a stated size of
// two parts or more, the parts are cut (as part_starts cuts them, by the
// stated size) while the file is read, and each is loaded as soon as it is
// read whole, so that reading and loading overlap. A file that turns out
// longer than stated is loaded afresh once it is read whole. Fails with the
// reading's ReadFailure::error, then as the load does; `keep_reading` is also
// the hook of the load's LoadStop (load_stop.h). REQUIRES: nothing was read
// from `file` yet.
std::expected<Database, Error> load_file_in_parts(std::string_view path, FileReader& file,
                                                  StdoutSink& sink, bool (*keep_reading)(),
                                                  std::size_t threads,
                                                  std::size_t minimum_part = kSmallestPartBytes,
                                                  std::size_t chunk = kReadChunk);

}  // namespace quorvane
