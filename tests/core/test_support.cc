#include "tests/core/test_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/document.h"

namespace quorvane::testing {
namespace {

// The state of this thread's AllocationFailure; `armed` while one is alive.
struct AllocationCounts {
  bool armed = false;
  long until_failure = -1;
  long live = 0;
  bool failed = false;
};
thread_local AllocationCounts t_counts;

}  // namespace

AllocationFailure::AllocationFailure(long fail_at) { t_counts = {true, fail_at, 0, false}; }
AllocationFailure::~AllocationFailure() { t_counts.armed = false; }
long AllocationFailure::live() const { return t_counts.live; }
bool AllocationFailure::failed() const { return t_counts.failed; }

namespace {

// Called by the replaced operator new below. Returns nullptr when the
// allocation is to fail (or malloc fails).
void* counted_allocate(std::size_t size) noexcept {
  AllocationCounts& counts = t_counts;
  if (counts.armed && counts.until_failure >= 0 && counts.until_failure-- == 0) {
    counts.failed = true;
    return nullptr;
  }
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p && counts.armed) ++counts.live;
  return p;
}

void counted_free(void* p) noexcept {
  if (!p) return;
  if (t_counts.armed) --t_counts.live;
  std::free(p);
}

}  // namespace


StdoutCapture::StdoutCapture() {
  std::fflush(stdout);
  file_ = std::tmpfile();
  saved_fd_ = ::dup(1);
  if (file_ == nullptr || saved_fd_ < 0 || ::dup2(::fileno(file_), 1) < 0) {
    throw std::runtime_error("cannot redirect standard output");
  }
}

StdoutCapture::~StdoutCapture() {
  if (saved_fd_ >= 0) finish();
}

std::string StdoutCapture::finish() {
  std::string out;
  if (saved_fd_ < 0) return out;
  std::fflush(stdout);
  ::dup2(saved_fd_, 1);
  ::close(saved_fd_);
  saved_fd_ = -1;
  std::rewind(file_);
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) out.append(buffer, got);
  std::fclose(file_);
  file_ = nullptr;
  return out;
}

std::string describe(const DataType& value) {
  switch (value.kind()) {
    case DataType::Kind::kId:
      return "id:" + value.as_id().text();
    case DataType::Kind::kText:
      return "\"" + std::string(value.as_text()) + "\"";
    case DataType::Kind::kNumber: {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value.as_number()));
      return buffer;
    }
    case DataType::Kind::kBoolean:
      return value.as_boolean() ? "true" : "false";
    case DataType::Kind::kArray: {
      std::string out = "[";
      for (const DataType& item : value.as_array()) {
        if (out.size() > 1) out += ", ";
        out += describe(item);
      }
      return out + "]";
    }
    case DataType::Kind::kDocument: {
      std::vector<std::pair<std::string, std::string>> entries;
      value.as_document().for_each([&](std::string_view key, const DataType& v) {
        entries.emplace_back(std::string(key), describe(v));
      });
      std::ranges::sort(entries);
      std::string out = "{";
      for (const auto& [key, text] : entries) {
        if (out.size() > 1) out += ", ";
        out += key + ": " + text;
      }
      return out + "}";
    }
  }
  return "?";
}

std::string describe(const Database& db) {
  std::string out;
  for (const Collection& c : db.collections()) out += c.name + ": " + describe(c.data) + "\n";
  return out;
}

}  // namespace quorvane::testing

// The global allocation functions of this test binary, every form but the
// over-aligned ones, so that every new and delete meet the same pair.
using quorvane::testing::counted_allocate;
using quorvane::testing::counted_free;

void* operator new(std::size_t size) {
  if (void* p = counted_allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return counted_allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return counted_allocate(size);
}
void operator delete(void* p) noexcept { counted_free(p); }
void operator delete[](void* p) noexcept { counted_free(p); }
void operator delete(void* p, std::size_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::size_t) noexcept { counted_free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { counted_free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { counted_free(p); }
