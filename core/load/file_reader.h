// Reading a file whole, a chunk at a time, for a load or a check.
//
// A FileReader reads one file into a buffer of its own and polls a LoadStop
// after every chunk, so that a long read can be stopped (by a signal's
// handler, say). A file opened by path must be a regular file: it is opened
// without blocking, and anything else (a directory, a FIFO, a device such as
// /dev/zero) is refused before a byte is read. It is read at offsets of the
// reader's own (pread), never moving the descriptor's: a process forked
// meanwhile, which shares the descriptor, reads the same bytes. Standard
// input, for the checker, is read as it stands, whatever it is.
//
// Failures keep the system's errno, for tools that explain them; a load
// fails with ReadFailure::error alone. Not thread-safe: one thread reads.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <expected>
#include <memory>
#include <string_view>
#include <utility>

#include "core/load/load_stop.h"
#include "core/value/error.h"

namespace quorvane {

// The most a read asks for at once: the hook is polled at least this often.
inline constexpr std::size_t kReadChunk = std::size_t{1} << 20;

// The bytes of a file, read whole.
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

// Why a file was not read.
struct ReadFailure {
  enum class Cause : std::uint8_t {
    kEmptyPath,
    kNulInPath,       // the system would read the path only up to it: another file
    kSystemError,     // open, fstat or read failed with `system_error`
    kNotRegularFile,  // refused; its file type is `mode`
    kStopped,         // the LoadStop said stop
  };
  Cause cause;
  Error error = Error::kErrorReadingFile;  // what a load fails with
  int system_error = 0;                    // errno, for kSystemError
  mode_t mode = 0;                         // for kNotRegularFile
};

class FileReader {
 public:
  // Opens the file at `path` for reading; fails without reading a byte.
  static std::expected<FileReader, ReadFailure> open(std::string_view path);
  // Standard input, read from where it stands; it stays open.
  static FileReader standard_input();
  FileReader(FileReader&& other) noexcept;
  FileReader& operator=(FileReader&&) = delete;
  ~FileReader();

  // The size the system stated when the file was opened (0 for standard
  // input). It may change meanwhile.
  std::size_t stated_size() const { return stated_size_; }
  // The bytes read so far. Moved when read_chunk grows the buffer.
  std::string_view text() const { return {data_.get(), size_}; }
  // Whether the next read_chunk grows the buffer, moving text(). The first
  // buffer holds a byte more than the stated size, so that reading a file of
  // that size ends without growing it; it doubles when full (files whose size
  // is not known in advance, /proc, or that grow meanwhile).
  bool full() const { return size_ == capacity_; }

  // Reads up to `chunk` (> 0) more bytes onto text(), then polls `stop`,
  // also after a read that a signal interrupted (the hook may be what stops
  // the load for it). True while more may come; false at the end of the
  // file, which is not polled for. Fails with kStopped once `stop` says
  // stop, error being stop.error().
  std::expected<bool, ReadFailure> read_chunk(LoadStop& stop, std::size_t chunk = kReadChunk);
  // read_chunk until the end of the file; then hands over what was read,
  // after which this reader reads no more.
  std::expected<FileContents, ReadFailure> read_rest(LoadStop& stop,
                                                     std::size_t chunk = kReadChunk);

 private:
  FileReader(int fd, bool owned, std::size_t stated_size);

  int fd_;
  bool owned_;     // opened by path: closed at the end, read at offsets
  std::size_t stated_size_;
  std::unique_ptr<char[]> data_;
  std::size_t capacity_;
  std::size_t size_ = 0;  // bytes read, which is also the offset of the next
};

// Reads the file at `path` whole, calling `keep_reading` (when given) after
// every chunk of kReadChunk bytes or less, as a load does (load_stop.h).
// Fails with kErrorReadingFile whatever the reason, or with kReadInterrupted
// once `keep_reading` returns false.
std::expected<FileContents, Error> read_whole_file(std::string_view path,
                                                   bool (*keep_reading)() = nullptr);

}  // namespace quorvane
