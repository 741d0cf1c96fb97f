#include "checker/output.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>

namespace quorvane::check {

bool Output::write(std::string_view text) {
  if (failed()) return false;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) fail();
  return !failed();
}

bool Output::flush() {
  if (failed()) return false;
  errno = 0;
  if (std::fflush(stdout) != 0) fail();
  return !failed();
}

void Output::fail() {
  error_ = errno != 0 ? errno : EIO;
  if (error_ == EPIPE) {
    // What a command-line tool does when its reader has gone: end quietly.
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
  }
}

bool stdout_is_open() { return ::fcntl(1, F_GETFD) != -1; }

}  // namespace quorvane::check
