#include "core/load/load_stop.h"

#include <unistd.h>

#include "core/value/value_region.h"

namespace quorvane {

LoadStop::LoadStop(bool (*keep_going)())
    : keep_going_(keep_going), owner_(std::this_thread::get_id()), process_(::getpid()) {}

bool LoadStop::poll() {
  if (!keep_going_ || std::this_thread::get_id() != owner_) return requested();
  bool go;
  {
    // The hook may run any code, which must not make its values in the load's region.
    const ValueRegionPause pause;
    go = keep_going_();
  }
  if (!go) interrupted_ = true;
  if (::getpid() != process_) forked_ = true;
  if (!go || forked_) request();
  return requested();
}

}  // namespace quorvane
