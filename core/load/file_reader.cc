#include "core/load/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace quorvane {
namespace {

constexpr std::size_t kMinimumBuffer = 64 * 1024;

std::unexpected<ReadFailure> failed(ReadFailure::Cause cause, int system_error = 0) {
  return std::unexpected(ReadFailure{.cause = cause, .system_error = system_error});
}

}  // namespace

FileReader::FileReader(int fd, bool owned, std::size_t stated_size)
    : fd_(fd),
      owned_(owned),
      stated_size_(stated_size),
      capacity_(std::max(stated_size + 1, kMinimumBuffer)) {}

FileReader::FileReader(FileReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      owned_(other.owned_),
      stated_size_(other.stated_size_),
      data_(std::move(other.data_)),
      capacity_(other.capacity_),
      size_(other.size_) {}

FileReader::~FileReader() {
  if (owned_ && fd_ >= 0) ::close(fd_);
}

std::expected<FileReader, ReadFailure> FileReader::open(std::string_view path) {
  if (path.empty()) return failed(ReadFailure::Cause::kEmptyPath);
  if (path.find('\0') != std::string_view::npos) return failed(ReadFailure::Cause::kNulInPath);
  const std::string c_path(path);
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  const int fd = ::open(c_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return failed(ReadFailure::Cause::kSystemError, errno);
  struct stat info;
  const bool stated = ::fstat(fd, &info) == 0;
  const int stat_error = errno;
  // Owned from here: closed on every way out, an allocation failure too.
  FileReader reader(fd, true, stated ? static_cast<std::size_t>(info.st_size) : 0);
  if (!stated) return failed(ReadFailure::Cause::kSystemError, stat_error);
  if (!S_ISREG(info.st_mode)) {
    return std::unexpected(
        ReadFailure{.cause = ReadFailure::Cause::kNotRegularFile, .mode = info.st_mode});
  }
  reader.data_ = std::make_unique_for_overwrite<char[]>(reader.capacity_);
  return reader;
}

FileReader FileReader::standard_input() {
  FileReader reader(STDIN_FILENO, false, 0);
  reader.data_ = std::make_unique_for_overwrite<char[]>(reader.capacity_);
  return reader;
}

std::expected<bool, ReadFailure> FileReader::read_chunk(LoadStop& stop, std::size_t chunk) {
  if (full()) {
    const std::size_t grown = capacity_ * 2;
    auto bigger = std::make_unique_for_overwrite<char[]>(grown);
    std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = grown;
  }
  char* const at = data_.get() + size_;
  const std::size_t room = std::min(capacity_ - size_, chunk);
  const ssize_t got = owned_ ? ::pread(fd_, at, room, static_cast<off_t>(size_))
                             : ::read(fd_, at, room);
  if (got == 0) return false;
  if (got > 0) {
    size_ += static_cast<std::size_t>(got);
  } else if (errno != EINTR) {
    return failed(ReadFailure::Cause::kSystemError, errno);
  }
  if (stop.poll()) {
    return std::unexpected(
        ReadFailure{.cause = ReadFailure::Cause::kStopped, .error = stop.error()});
  }
  return true;
}

std::expected<FileContents, ReadFailure> FileReader::read_rest(LoadStop& stop, std::size_t chunk) {
  for (;;) {
    const std::expected<bool, ReadFailure> more = read_chunk(stop, chunk);
    if (!more) return std::unexpected(more.error());
    if (!*more) break;
  }
  return FileContents(std::move(data_), std::exchange(size_, 0));
}

std::expected<FileContents, Error> read_whole_file(std::string_view path,
                                                   bool (*keep_reading)()) {
  std::expected<FileReader, ReadFailure> file = FileReader::open(path);
  if (!file) return std::unexpected(file.error().error);
  LoadStop stop(keep_reading);
  std::expected<FileContents, ReadFailure> contents = file->read_rest(stop);
  if (!contents) return std::unexpected(contents.error().error);
  return std::move(*contents);
}

}  // namespace quorvane
