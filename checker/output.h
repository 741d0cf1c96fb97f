// Standard output of quorvane-check, with write failures noticed.
//
// A report of millions of lines goes out as it is made, through C stdout's
// buffer. The first failed write is remembered with its errno, and later
// writes do nothing, so that a run into a full disk or a closed descriptor
// ends with a message instead of in silence. A closed pipe (the reader is
// gone, as with `| head -1`) ends the process at once by SIGPIPE, quietly,
// even when the parent left SIGPIPE ignored. One per process; not thread-safe.
#pragma once

#include <string_view>

namespace quorvane::check {

class Output {
 public:
  // Appends `text`. False once any write or flush has failed.
  bool write(std::string_view text);
  // Pushes the buffered text out. False once any write or flush has failed.
  bool flush();
  // The errno of the first failure; 0 while every write succeeded.
  int error() const { return error_; }
  bool failed() const { return error_ != 0; }

 private:
  // Records the failure behind a short write or flush (errno).
  void fail();

  int error_ = 0;
};

// Whether file descriptor 1 is open; a program started with it closed must
// not open a file into its place and write there.
bool stdout_is_open();

}  // namespace quorvane::check
