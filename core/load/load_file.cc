#include "core/load/load_file.h"

#include "core/load/file_reader.h"
#include "core/load/load_sink.h"
#include "core/load/parallel_loader.h"

namespace quorvane {

std::expected<Database, Error> load_database_file(std::string_view path, const LoadHooks& hooks) {
  std::expected<FileReader, ReadFailure> file = FileReader::open(path);
  if (!file) return std::unexpected(file.error().error);
  StdoutSink sink{hooks.before_first_message};
  return load_file_in_parts(path, *file, sink, hooks.keep_reading,
                            load_threads(file->stated_size()));
}

}  // namespace quorvane
