#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "platform/sdl/font_library.h"

namespace orbelon {
namespace {

// fontconfig's default configuration belongs to the whole process: a library such as the pango
// that draws window frames on Wayland may hold it to the end (this test stands in for one). Our
// fonts look up in a configuration of their own, and closing them leaves the default one, and
// every other library of fonts, whole.
TEST(FontLibraryClosing, LeavesWhatOthersHoldOfFontconfig) {
  FcConfig* held = FcConfigReference(nullptr);
  ASSERT_NE(held, nullptr);
  {
    sdl::FontLibrary staying;
    {
      sdl::FontLibrary closing;
      closing.Get(platform::Font{});
      staying.Get(platform::Font{});
    }
    platform::Font bold;
    bold.bold = true;
    EXPECT_NE(staying.Get(bold), nullptr) << "the library still open finds a face it had not";
  }
  FcFontSet* fonts = FcConfigGetFonts(held, FcSetSystem);
  EXPECT_TRUE(fonts != nullptr && fonts->nfont > 0) << "the held configuration keeps its fonts";
  FcConfigDestroy(held);
  // The stand-in's last use of fontconfig: it frees what it loaded, as nothing else holds any.
  FcFini();
}

}  // namespace
}  // namespace orbelon
