// Blanks in drawn text: every blank as wide as the font's blank, runs of them kept, and only the
// blanks where a line breaks given up to the break.

#include <vector>

#include "platform/sdl/font_library.h"
#include "platform/sdl/text_drawing.h"
#include "sdl_fixture.h"

namespace orbelon::testing {
namespace {

using Lines = std::vector<std::string>;

class TextSpacing : public ::testing::Test {
 protected:
  sdl::FontLibrary fonts;
  TTF_Font* font = fonts.Get(platform::Font{});  // the message box's font
};

TEST_F(TextSpacing, LinesKeepTheirBlanksAndBreakBetweenWords) {
  const std::string over = "0 :  G A M E   O V E R ! !";
  EXPECT_EQ(sdl::LayOutText(font, over, 1000, true), Lines{over});
  EXPECT_EQ(sdl::LayOutText(font, "  two  blanks  \n first", 1000, true),
            (Lines{"  two  blanks  ", " first"}))
      << "blanks at the start and end of a line that is not broken stay";

  const int first = sdl::TextWidth(font, "0 :  G A M E");
  EXPECT_EQ(sdl::LayOutText(font, over, first + 2, true), (Lines{"0 :  G A M E", "O V E R ! !"}))
      << "the run of blanks where the line breaks gives way to the break";
  EXPECT_EQ(sdl::LayOutText(font, over, 1, true),
            (Lines{"0", ":", "G", "A", "M", "E", "O", "V", "E", "R", "!", "!"}))
      << "a box narrower than a word still shows every word, one to a line";
  EXPECT_EQ(sdl::LayOutText(font, over, 1, false), Lines{over});
}

// The columns of a picture's area that hold dark ink, as runs [first, last].
std::vector<std::pair<int, int>> InkRuns(const sdl::Pixels& pixels, Area area) {
  std::vector<std::pair<int, int>> runs;
  for (int x = area.x; x < area.x + area.w; ++x) {
    bool ink = false;
    for (int y = area.y; y < area.y + area.h && !ink; ++y) {
      ink = Near(At(pixels, x, y), Rgb{0, 0, 0}, 140);
    }
    if (ink && !runs.empty() && runs.back().second == x - 1) {
      runs.back().second = x;
    } else if (ink) {
      runs.emplace_back(x, x);
    }
  }
  return runs;
}

TEST_F(TextSpacing, ALabelDrawsRunsOfBlanksAtTheirWidth) {
  PlainForm form("Spacing", 200, 40);
  form.SetBackColor(platform::RGB(255, 255, 255));
  platform::Label label(form, "Label1", Twips(10, 10, 180, 20));
  // Capitals that fonts like to kern towards a blank.
  label.SetCaption("A A  A   A");
  form.Show();
  const sdl::Pixels pixels = Backend().ReadWindowPixels(form);
  SavePng(pixels, "sdl_text_spacing.png");

  const auto runs = InkRuns(pixels, {10, 10, 180, 20});
  ASSERT_EQ(runs.size(), 4u) << "four capitals, each standing apart";
  for (size_t blanks = 1; blanks <= 3; ++blanks) {
    EXPECT_EQ(runs[blanks].first - runs[blanks - 1].first,
              sdl::TextWidth(font, "A" + std::string(blanks, ' ')))
        << "a capital and " << blanks << " blanks do not reach the next capital";
  }
}

}  // namespace
}  // namespace orbelon::testing
