// Creates the platform and runs the start window; every way out of the game unwinds to here.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "platform/error.h"
#include "platform/runtime/runtime.h"
#include "platform/sdl/sdl_backend.h"
#include "startup/program.h"

namespace {

// The command-line text after the program's name, as one text.
std::string CommandLine(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      text += ' ';
    }
    text += argv[i];
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orbelon;
  std::unique_ptr<sdl::SdlBackend> backend;
  try {
    backend = sdl::SdlBackend::Create();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "orbelon: %s\n", error.what());
    return 1;
  }
  platform::Runtime runtime(*backend, sdl::SdlBackend::ProgramFolder(), CommandLine(argc, argv));
  try {
    startup::Program program(runtime);
    program.Run();
  } catch (const platform::ProcessExit& exit) {
    // An interrupted run unwinds as every other end does, and says so in its status.
    const int signal = sdl::SdlBackend::InterruptSignal();
    return signal != 0 ? 128 + signal : exit.status;
  } catch (const std::exception& error) {
    runtime.ReportFatal(error.what());
    return 1;
  }
  return 0;
}
