#include "platform/runtime/runtime.h"

#include <algorithm>
#include <utility>

#include "platform/error.h"
#include "platform/runtime/form.h"

namespace orbelon::platform {

namespace {

// How long a modal wait sleeps when no timer is due: any event wakes it earlier.
constexpr uint32_t kIdleWaitMs = 500;

// Milliseconds from now to the deadline, read across the clock's 32-bit wrap.
int32_t Until(uint32_t deadline, uint32_t now) {
  return static_cast<int32_t>(deadline - now);
}

}  // namespace

Runtime::Runtime(Backend& backend, std::string program_folder, std::string command_line)
    : backend_(backend), app_path_(std::move(program_folder)), command_(std::move(command_line)) {}

Runtime::~Runtime() = default;

int Runtime::Second() {
  return backend_.WallSecond();
}

uint32_t Runtime::TimeGetTime() {
  return backend_.TimeGetTime();
}

void Runtime::End(int status) {
  throw ProcessExit{status};
}

void Runtime::Attach(Form& form) {
  forms_.push_back(&form);
}

void Runtime::Detach(Form& form) {
  std::erase(forms_, &form);
  std::erase(modal_, &form);
  std::erase(stacking_, &form);
}

bool Runtime::IsAttached(const Form* form) const {
  return std::find(forms_.begin(), forms_.end(), form) != forms_.end();
}

void Runtime::Raise(Form& form) {
  std::erase(stacking_, &form);
  stacking_.push_back(&form);
}

Form* Runtime::WindowBeneath(const Form& form) const {
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
    if (*it != &form && (*it)->IsLoaded() && (*it)->IsVisible()) {
      return *it;
    }
  }
  return nullptr;
}

bool Runtime::IsShowing(const Form* form) const {
  return IsAttached(form) && form->IsLoaded() && form->IsVisible();
}

Form* Runtime::FormOfWindow(int window) const {
  if (window == 0) {
    return nullptr;
  }
  for (Form* form : forms_) {
    if (form->WindowId() == window && form->IsLoaded()) {
      return form;
    }
  }
  return nullptr;
}

void Runtime::DoEvents() {
  InputEvent event;
  while (backend_.PollEvent(event)) {
    Dispatch(event);
  }
  FireTimers();
  RepaintChanged();
}

void Runtime::PaceUntil(uint32_t deadline) {
  for (;;) {
    if (Until(deadline, TimeGetTime()) <= 0) {
      return;
    }
    DoEvents();
    const int32_t left = Until(deadline, TimeGetTime());
    if (left <= 0) {
      return;
    }
    const uint32_t wait = NextTimerWait(static_cast<uint32_t>(left));
    if (wait > 0) {
      backend_.WaitEvent(wait);
    }
  }
}

void Runtime::RunModal(Form& form) {
  modal_.push_back(&form);
  // Whatever way the wait ends (the form closing, or an exception on its way to main), the form
  // stops being modal.
  struct ModalScope {
    Runtime& runtime;
    Form* form;
    ~ModalScope() {
      auto it = std::find(runtime.modal_.rbegin(), runtime.modal_.rend(), form);
      if (it != runtime.modal_.rend()) {
        runtime.modal_.erase(std::next(it).base());
      }
    }
  } scope{*this, &form};

  // A form destroyed while it waits is detached, and so no longer modal: look no further at it.
  const auto open = [&] {
    return std::find(modal_.begin(), modal_.end(), &form) != modal_.end() && form.IsLoaded() &&
           form.IsVisible();
  };
  while (open()) {
    DoEvents();
    if (!open()) {
      break;
    }
    const uint32_t wait = NextTimerWait(kIdleWaitMs);
    if (wait > 0) {
      backend_.WaitEvent(wait);
    }
  }
}

void Runtime::Dispatch(const InputEvent& event) {
  if (event.type == EventType::Quit) {
    End(0);
  }
  Form* form = FormOfWindow(event.window);
  if (form == nullptr || !form->IsVisible()) {
    return;
  }
  // Modal to the whole program: while a modal window is open only it takes input, its close box
  // included.
  if (Form* modal = ModalForm(); modal != nullptr && modal != form) {
    return;
  }
  if (event.type == EventType::KeyPress) {
    form->HandleKey(event.key);
  } else if (event.type == EventType::MouseDown) {
    form->HandleMouseDown(event.button, event.x, event.y);
  } else if (event.type == EventType::MouseUp) {
    form->HandleMouseUp(event.button, event.x, event.y);
  } else if (event.type == EventType::Close) {
    form->Form_CloseRequest();
  }
}

void Runtime::RepaintChanged() {
  for (Form* form : forms_) {
    if (form->NeedsRepaint()) {
      form->Repaint();
    }
  }
}

}  // namespace orbelon::platform
