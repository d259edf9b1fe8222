#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sdl/font_library.h"

namespace orbelon {
namespace {

// The stand-in's whole life with fontconfig, from its first reference to its FcFini; returns the
// exit status, 0 when everything it held stayed whole, and tells on stderr what did not.
int HoldFontconfigWhileOurFontsClose() {
  int status = 0;
  FcConfig* held = FcConfigReference(nullptr);
  if (held == nullptr) {
    std::fputs("the stand-in cannot take a reference to the default configuration\n", stderr);
    return 1;
  }
  {
    sdl::FontLibrary staying;
    {
      sdl::FontLibrary closing;
      closing.Get(platform::Font{});
      staying.Get(platform::Font{});
    }
    platform::Font bold;
    bold.bold = true;
    if (staying.Get(bold) == nullptr) {
      std::fputs("the library still open does not find a face it had not\n", stderr);
      status = 1;
    }
  }
  FcFontSet* fonts = FcConfigGetFonts(held, FcSetSystem);
  if (fonts == nullptr || fonts->nfont == 0) {
    std::fputs("the held configuration lost its fonts\n", stderr);
    status = 1;
  }
  FcConfigDestroy(held);
  // The stand-in's last use of fontconfig: it frees what it loaded, as nothing else holds any.
  FcFini();
  return status;
}

// fontconfig's default configuration belongs to the whole process: a library such as the pango
// that draws window frames on Wayland may hold it to the end (this test stands in for one). Our
// fonts look up in a configuration of their own, and closing them leaves the default one, and
// every other library of fonts, whole.
//
// It runs in a fresh process of its own: its FcFini would end this one wherever another test
// still holds fontconfig, as the backend shared by this program's tests does. A fork would not
// do, as the child would inherit that hold; the threadsafe style starts the program anew.
TEST(FontLibraryClosing, LeavesWhatOthersHoldOfFontconfig) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(HoldFontconfigWhileOurFontsClose()), ::testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace
}  // namespace orbelon
