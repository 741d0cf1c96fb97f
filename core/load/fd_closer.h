// Closes a file descriptor when it goes out of scope; owns it until then.
#pragma once

#include <unistd.h>

namespace quorvane {

class FdCloser {
 public:
  explicit FdCloser(int fd) : fd_(fd) {}
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;
  ~FdCloser() { ::close(fd_); }

 private:
  int fd_;
};

}  // namespace quorvane
