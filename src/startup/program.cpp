#include "startup/program.h"

#include "engine/frm_vorlet.h"
#include "screens/frm_order.h"
#include "screens/frm_paused.h"
#include "startup/app_picture.h"
#include "startup/frm_rules.h"
#include "startup/frm_start.h"

namespace orbelon::startup {

Program::Program(platform::Runtime& runtime_in) : runtime(runtime_in), module1(*this) {}

// The windows go before the globals they use.
Program::~Program() {
  order_.reset();
  paused_.reset();
  play_.reset();
  rules_.reset();
  start_.reset();
}

void Program::Run() {
  // Before the first window, so that every title bar carries it.
  runtime.SetIcon(AppPicture(runtime, "icon.png"));
  StartWindow().Show();
  // The start window waits for the player; from here on every way out ends the process.
  for (;;) {
    runtime.PaceUntil(runtime.TimeGetTime() + 1000);
  }
}

frmStart& Program::StartWindow() {
  if (!start_) {
    start_ = std::make_unique<frmStart>(*this);
  }
  return *start_;
}

frmRules& Program::RulesWindow() {
  if (!rules_) {
    rules_ = std::make_unique<frmRules>(*this);
  }
  return *rules_;
}

engine::frmVorlet& Program::PlayWindow() {
  if (!play_) {
    play_ = std::make_unique<engine::frmVorlet>(*this);
  }
  return *play_;
}

screens::frmPaused& Program::PauseWindow() {
  if (!paused_) {
    paused_ = std::make_unique<screens::frmPaused>(*this);
  }
  return *paused_;
}

screens::frmOrder& Program::ClosingWindow() {
  if (!order_) {
    order_ = std::make_unique<screens::frmOrder>(*this);
  }
  return *order_;
}

}  // namespace orbelon::startup
