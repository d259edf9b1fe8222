// The timers of every loaded form, ticked from event processing.

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"

namespace orbelon::platform {

namespace {

bool Ready(const Timer& timer) {
  return timer.Enabled() && timer.Interval() > 0 && !timer.firing && timer.Parent().IsLoaded();
}

}  // namespace

void Runtime::FireTimers() {
  const uint32_t now = TimeGetTime();
  std::vector<std::pair<Form*, Timer*>> due;
  for (Form* form : forms_) {
    if (!form->IsLoaded()) {
      continue;
    }
    for (Control* control : form->Controls()) {
      auto* timer = dynamic_cast<Timer*>(control);
      if (timer != nullptr && Ready(*timer) && static_cast<int32_t>(timer->Due() - now) <= 0) {
        due.emplace_back(form, timer);
      }
    }
  }
  for (auto [form, timer] : due) {
    // A handler may unload or destroy any form, and stop or restart any timer.
    const auto exists = [&, form = form, timer = timer] {
      if (!IsAttached(form)) {
        return false;
      }
      const auto& controls = form->Controls();
      return std::find(controls.begin(), controls.end(), timer) != controls.end();
    };
    if (!exists() || !Ready(*timer) || static_cast<int32_t>(timer->Due() - now) > 0) {
      continue;
    }
    // A late timer ticks once, and its next tick is one interval from now: no catching up.
    timer->Restart();
    if (!timer->OnTimer) {
      continue;
    }
    const std::function<void()> handler = timer->OnTimer;
    timer->firing = true;
    try {
      handler();
    } catch (...) {
      if (exists()) {
        timer->firing = false;
      }
      throw;
    }
    if (exists()) {
      timer->firing = false;
    }
  }
}

uint32_t Runtime::NextTimerWait(uint32_t limit_ms) {
  const uint32_t now = TimeGetTime();
  uint32_t wait = limit_ms;
  for (Form* form : forms_) {
    if (!form->IsLoaded()) {
      continue;
    }
    for (Control* control : form->Controls()) {
      auto* timer = dynamic_cast<Timer*>(control);
      if (timer != nullptr && Ready(*timer)) {
        const int32_t left = static_cast<int32_t>(timer->Due() - now);
        wait = std::min(wait, left <= 0 ? 0u : static_cast<uint32_t>(left));
      }
    }
  }
  return wait;
}

}  // namespace orbelon::platform
