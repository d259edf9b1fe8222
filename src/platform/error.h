#pragma once

#include <stdexcept>
#include <string>

namespace orbelon::platform {

// Every failing platform call throws this, with a message that names what failed (the file, for a
// load). A call through an object that was never set, or was released, throws it too.
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Integer arithmetic of the game's 16- and 32-bit types traps on overflow.
class OverflowError : public std::runtime_error {
 public:
  OverflowError() : std::runtime_error("Overflow") {}
};

// A failure that no procedure may skip, because play cannot go on after it. Not a PlatformError,
// so that Skip lets it pass: it reaches the top, where the runtime's error box names it and the
// program ends with status 1.
class FatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ends the process: thrown by the runtime's End and caught in main, so that everything unwinds
// and the platform shuts down cleanly before the process exits with this status.
struct ProcessExit {
  int status = 0;
};

// Runs one step of a procedure that skips its failing steps and goes on.
template <typename Step>
void Skip(Step&& step) {
  try {
    step();
  } catch (const PlatformError&) {
  } catch (const OverflowError&) {
  }
}

}  // namespace orbelon::platform
