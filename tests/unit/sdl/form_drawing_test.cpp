// The look of a composed form: its ground and picture, labels with their fonts, colours and
// alignments, the classic buttons, and blanks in drawn text: runs of them kept, and only the
// blanks where a line breaks given up to the break.

#include <algorithm>
#include <vector>

#include "platform/runtime/controls.h"
#include "platform/sdl/font_library.h"
#include "platform/sdl/text_drawing.h"
#include "sdl_fixture.h"

namespace orbelon::testing {
namespace {

using platform::Alignment;
using platform::RGB;

// The columns and rows of a rectangle where a colour is found.
struct Ink {
  int left = 1 << 30;
  int right = -1;
  int top = 1 << 30;
  int bottom = -1;
  bool Found() const { return right >= 0; }
};

Ink FindInk(const sdl::Pixels& pixels, Area area, Rgb colour, int tolerance = 40) {
  Ink ink;
  for (int y = std::max(area.y, 0); y < std::min(area.y + area.h, pixels.height); ++y) {
    for (int x = std::max(area.x, 0); x < std::min(area.x + area.w, pixels.width); ++x) {
      if (Near(At(pixels, x, y), colour, tolerance)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
  }
  return ink;
}

constexpr Rgb kPicture{40, 40, 40};
constexpr Rgb kGround{0, 0, 96};

platform::Picture SolidPicture(int width, int height, Rgb c) {
  auto picture = std::make_shared<platform::PictureData>(platform::PictureData{width, height, {}});
  for (int i = 0; i < width * height; ++i) {
    picture->rgba.insert(picture->rgba.end(), {uint8_t(c.r), uint8_t(c.g), uint8_t(c.b), 255});
  }
  return picture;
}

// A label with its caption in its colour, over a rectangle in pixels.
struct ColouredLabel : platform::Label {
  ColouredLabel(platform::Form& form, const char* caption, uint32_t colour, Area area)
      : Label(form, caption, Twips(area.x, area.y, area.w, area.h)) {
    SetCaption(caption);
    SetForeColor(colour);
  }
};

class LookForm : public PlainForm {
 public:
  LookForm() : PlainForm("LookForm", 300, 220) {
    SetBackColor(RGB(kGround.r, kGround.g, kGround.b));
    SetPicture(SolidPicture(80, 500, kPicture));  // taller than the form: cut
    SetCaption("Look");
    for (auto* label : {&left, &centre, &right}) {
      label->SetFont({.size = 12, .bold = true});
    }
    centre.SetAlignment(Alignment::Center);
    right.SetAlignment(Alignment::Right);
    opaque.SetTransparent(false);
    opaque.SetBackColor(RGB(255, 0, 0));
    hidden.SetVisible(false);
    begin.SetCaption("Begin");
    begin.SetFont({.size = 8.25f, .bold = true});
    begin.SetDefault(true);
    instructions.SetCaption("Instructions");
    instructions.SetFont({.size = 8.25f, .bold = true});
  }

  ColouredLabel left{*this, "SCORE:", RGB(255, 255, 0), {100, 10, 120, 20}};
  ColouredLabel centre{*this, "Mid", RGB(255, 255, 0), {100, 40, 120, 20}};
  ColouredLabel right{*this, "End", RGB(255, 255, 0), {100, 70, 120, 20}};
  ColouredLabel opaque{*this, "opaque", RGB(255, 255, 128), {100, 100, 80, 18}};
  ColouredLabel wrapped{*this,
                        "several short words that cannot stand on one line",
                        RGB(255, 255, 255),
                        {100, 125, 120, 40}};
  ColouredLabel cut{
      *this, "Unbrokenlongwordthatrunsfarpastitsedge", RGB(0, 255, 0), {230, 10, 40, 20}};
  ColouredLabel hidden{*this, "hidden", RGB(255, 0, 255), {230, 40, 60, 20}};
  platform::CommandButton instructions{*this, "instructions", Twips(100, 175, 90, 25)};
  platform::CommandButton begin{*this, "begin", Twips(200, 175, 90, 25)};
};

TEST(FormLook, GroundPictureLabelsAndButtons) {
  LookForm form;
  form.Show();
  sdl::Pixels pixels = Backend().ReadWindowPixels(form);
  SavePng(pixels, "sdl_form_look.png");
  ASSERT_EQ(pixels.width, 300);
  ASSERT_EQ(pixels.height, 220);

  EXPECT_TRUE(ColourAt(pixels, 5, 5, kPicture, 0)) << "the picture at the top-left";
  EXPECT_TRUE(ColourAt(pixels, 5, 215, kPicture, 0)) << "the picture is cut, not scaled";
  EXPECT_TRUE(ColourAt(pixels, 85, 5, kGround, 0)) << "the back colour beside the picture";

  const Rgb yellow{255, 255, 0};
  Ink left = FindInk(pixels, {100, 10, 120, 20}, yellow);
  Ink centre = FindInk(pixels, {100, 40, 120, 20}, yellow);
  Ink right = FindInk(pixels, {100, 70, 120, 20}, yellow);
  ASSERT_TRUE(left.Found() && centre.Found() && right.Found()) << "label text in its colour";
  EXPECT_LE(left.left, 102) << "left-aligned text starts at the label's left edge";
  EXPECT_NEAR((centre.left + centre.right) / 2.0, 160.0, 3.0) << "centred text";
  EXPECT_GE(right.right, 216) << "right-aligned text ends at the label's right edge";
  // 12 points at 96 dpi are 16 pixels to the em: capitals about 11-12 pixels high.
  EXPECT_NEAR(left.bottom - left.top + 1, 12, 2) << "the size of a 12-point font";
  EXPECT_TRUE(ColourAt(pixels, 150, 25, kGround, 0)) << "transparent labels show the ground";

  EXPECT_TRUE(ColourAt(pixels, 101, 101, Rgb{255, 0, 0}, 0)) << "an opaque label fills its box";
  EXPECT_TRUE(FindInk(pixels, {100, 100, 80, 18}, Rgb{255, 255, 128}).Found());
  Ink wrapped = FindInk(pixels, {100, 125, 120, 40}, Rgb{255, 255, 255});
  EXPECT_GT(wrapped.bottom - wrapped.top, 16) << "words that do not fit go on to the next line";
  EXPECT_LE(wrapped.right, 219);
  EXPECT_TRUE(FindInk(pixels, {230, 10, 40, 20}, Rgb{0, 255, 0}).Found());
  EXPECT_FALSE(FindInk(pixels, {270, 0, 30, 40}, Rgb{0, 255, 0}).Found())
      << "text is cut at its label's right edge";
  EXPECT_FALSE(FindInk(pixels, {230, 40, 60, 20}, Rgb{255, 0, 255}).Found())
      << "a hidden label is not drawn";

  // The classic buttons, the focused one framed.
  form.begin.SetFocus();
  pixels = Backend().ReadWindowPixels(form);

  const Rgb white{255, 255, 255};
  const Rgb black{0, 0, 0};
  EXPECT_TRUE(ColourAt(pixels, 145, 178, Rgb{192, 192, 192}, 0)) << "the grey button face";
  EXPECT_TRUE(ColourAt(pixels, 100, 175, white, 0)) << "a raised button's white top-left edge";
  EXPECT_TRUE(ColourAt(pixels, 189, 199, black, 0)) << "and its dark bottom-right edge";
  EXPECT_TRUE(ColourAt(pixels, 200, 175, black, 0)) << "the focused button wears the dark frame";
  Ink caption = FindInk(pixels, {206, 182, 78, 12}, black, 10);
  ASSERT_TRUE(caption.Found()) << "the caption";
  EXPECT_NEAR((caption.left + caption.right) / 2.0, 245.0, 4.0) << "the caption is centred";

  form.instructions.SetFocus();
  pixels = Backend().ReadWindowPixels(form);
  EXPECT_TRUE(ColourAt(pixels, 100, 175, black, 0)) << "the frame follows the focus";
  EXPECT_TRUE(ColourAt(pixels, 200, 175, white, 0)) << "from the default button too";
}

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
