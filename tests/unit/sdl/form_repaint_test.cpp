// A form whose labels change is repainted only where they were and are: the part repainted
// must come out as the whole form composed afresh, and nothing outside it may be touched.

#include <cstring>
#include <optional>

#include "platform/runtime/controls.h"
#include "platform/sdl/font_library.h"
#include "platform/sdl/form_painter.h"
#include "sdl_fixture.h"

namespace orbelon::testing {
namespace {

using platform::RGB;

platform::Picture Stripes(int width, int height) {
  auto picture = std::make_shared<platform::PictureData>(platform::PictureData{width, height, {}});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto v = static_cast<uint8_t>((x * 7 + y * 3) & 0xff);
      picture->rgba.insert(picture->rgba.end(), {v, uint8_t(255 - v), 64, 255});
    }
  }
  return picture;
}

class ScoreForm : public PlainForm {
 public:
  ScoreForm() : PlainForm("ScoreForm", 240, 160) {
    SetBackColor(RGB(0, 0, 96));
    SetPicture(Stripes(150, 160));  // under the labels' left half only
    score.SetFont({.size = 12, .bold = true});
    score.SetForeColor(RGB(255, 255, 0));
    score.SetCaption("SCORE: 000000");
    clock.SetForeColor(RGB(255, 255, 255));
    clock.SetCaption(":15");
    boxed.SetTransparent(false);
    boxed.SetBackColor(RGB(200, 0, 0));
    boxed.SetCaption("moves");
    over.SetForeColor(RGB(0, 255, 0));  // lies across the boxed label
    over.SetCaption("over");
    far.SetCaption("still");
    far.SetForeColor(RGB(255, 128, 0));
    ok.SetCaption("OK");
  }
  platform::Label score{*this, "score", Twips(100, 10, 130, 20)};
  platform::Label clock{*this, "clock", Twips(10, 40, 40, 20)};
  platform::Label boxed{*this, "boxed", Twips(60, 60, 60, 20)};
  platform::Label over{*this, "over", Twips(90, 70, 60, 20)};
  platform::Label far{*this, "far", Twips(5, 130, 50, 20)};
  platform::CommandButton ok{*this, "ok", Twips(160, 120, 70, 30)};
};

bool Is(const std::optional<SDL_Rect>& area, SDL_Rect want) {
  return area && SDL_RectEquals(&*area, &want) == SDL_TRUE;
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b) {
  if (a->w != b->w || a->h != b->h) {
    return false;
  }
  for (int y = 0; y < a->h; ++y) {
    if (std::memcmp(static_cast<uint8_t*>(a->pixels) + y * a->pitch,
                    static_cast<uint8_t*>(b->pixels) + y * b->pitch,
                    static_cast<size_t>(a->w) * 4) != 0) {
      return false;
    }
  }
  return true;
}

// Whether every pixel outside the area is still fully transparent black.
bool UntouchedOutside(SDL_Surface* surface, const SDL_Rect& area) {
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                        y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      const SDL_Point p{x, y};
      if (row[x] != 0 && SDL_PointInRect(&p, &area) == SDL_FALSE) {
        return false;
      }
    }
  }
  return true;
}

class FormRepaint : public ::testing::Test {
 protected:
  sdl::FontLibrary fonts;
  sdl::FormPainter painter{fonts};
  ScoreForm form;
  const SDL_Rect client = sdl::ClientRect(form);
};

TEST_F(FormRepaint, TheChangedAreaIsNothingTheControlsThatChangedOrTheWholeForm) {
  const sdl::FormLook before = sdl::LookOf(form);
  EXPECT_FALSE(sdl::ChangedArea(before, sdl::LookOf(form), client)) << "nothing changed";

  form.clock.SetCaption(":14");
  EXPECT_TRUE(Is(sdl::ChangedArea(before, sdl::LookOf(form), client), {10, 40, 40, 20}))
      << "the clock's rectangle";

  form.boxed.SetBounds(Twips(70, 64, 60, 20));
  EXPECT_TRUE(Is(sdl::ChangedArea(before, sdl::LookOf(form), client), {10, 40, 120, 44}))
      << "the clock, and the moved label where it was and where it is";

  form.clock.SetCaption(":15");
  form.boxed.SetBounds(Twips(60, 60, 60, 20));
  form.far.SetForeColor(RGB(1, 2, 3));
  EXPECT_TRUE(Is(sdl::ChangedArea(before, sdl::LookOf(form), client), {5, 130, 50, 20}))
      << "a colour counts";
  form.far.SetForeColor(RGB(255, 128, 0));

  for (auto change : {+[](ScoreForm& f) { f.far.SetVisible(false); },
                      +[](ScoreForm& f) { f.SetBackColor(RGB(1, 1, 1)); },
                      +[](ScoreForm& f) { f.SetPicture(nullptr); }}) {
    ScoreForm other;
    const sdl::FormLook was = sdl::LookOf(other);
    change(other);
    EXPECT_TRUE(Is(sdl::ChangedArea(was, sdl::LookOf(other), client), client))
        << "a change of the form or its list: all";
  }
}

TEST_F(FormRepaint, APartRepaintedIsTheWholeFormComposedAfreshAndNothingMore) {
  sdl::SurfacePtr picture = painter.Compose(form);
  const sdl::FormLook before = sdl::LookOf(form);

  form.score.SetCaption("SCORE: 4100");         // shorter: the old digits must go
  form.boxed.SetBounds(Twips(66, 63, 60, 20));  // moved under the label across it
  form.over.SetForeColor(RGB(0, 128, 255));
  form.ok.SetCaption("Continue");
  const std::optional<SDL_Rect> area = sdl::ChangedArea(before, sdl::LookOf(form), client);
  ASSERT_TRUE(area);
  ASSERT_FALSE(SDL_RectEquals(&*area, &client));
  const SDL_Rect far = sdl::PixelRect(form.far.Bounds());
  EXPECT_FALSE(SDL_HasIntersection(&*area, &far)) << "an unchanged label far off stays out";

  painter.Repaint(form, picture.get(), *area);
  sdl::SurfacePtr fresh = painter.Compose(form);
  EXPECT_TRUE(SamePixels(picture.get(), fresh.get()));

  // On a blank picture, a repaint touches its area alone, however the labels and pictures in it
  // clip what they draw: this one cuts across the score, the box and the label over it.
  const SDL_Rect across{0, 0, 120, 75};
  sdl::SurfacePtr blank = sdl::MakeSurface(client.w, client.h);
  SDL_FillRect(blank.get(), nullptr, 0);
  painter.Repaint(form, blank.get(), across);
  EXPECT_TRUE(UntouchedOutside(blank.get(), across));
  SDL_Rect clip{};
  SDL_GetClipRect(blank.get(), &clip);
  EXPECT_TRUE(SDL_RectEquals(&clip, &client)) << "the picture's clip is given back";
}

TEST(FormRepaintOnScreen, AWindowShowsAChangedLabelAsAFreshWindowShowsIt) {
  ScoreForm changed;
  changed.Show();
  Backend().ReadWindowPixels(changed);
  changed.score.SetCaption("SCORE: 15100");
  changed.boxed.SetBounds(Twips(66, 63, 60, 20));
  const sdl::Pixels seen = Backend().ReadWindowPixels(changed);

  ScoreForm fresh;
  fresh.score.SetCaption("SCORE: 15100");
  fresh.boxed.SetBounds(Twips(66, 63, 60, 20));
  fresh.Show();
  const sdl::Pixels want = Backend().ReadWindowPixels(fresh);
  ASSERT_EQ(seen.rgba.size(), want.rgba.size());
  EXPECT_TRUE(seen.rgba == want.rgba);
  changed.Hide();
  fresh.Hide();
}

// A change to the form itself repaints the whole window into the picture and texture it keeps,
// rather than into new ones: the old picture must not show through anywhere.
TEST(FormRepaintOnScreen, AWindowRepaintedWholeInWhatItKeepsShowsWhatAFreshWindowShows) {
  ScoreForm changed;
  changed.Show();
  Backend().ReadWindowPixels(changed);
  changed.SetBackColor(RGB(96, 0, 0));
  changed.SetFocusedControl(nullptr);
  changed.far.SetVisible(false);
  changed.score.SetCaption("SCORE: 15100");
  const sdl::Pixels seen = Backend().ReadWindowPixels(changed);

  ScoreForm fresh;
  fresh.SetBackColor(RGB(96, 0, 0));
  fresh.far.SetVisible(false);
  fresh.score.SetCaption("SCORE: 15100");
  fresh.Show();
  fresh.SetFocusedControl(nullptr);
  const sdl::Pixels want = Backend().ReadWindowPixels(fresh);
  ASSERT_EQ(seen.rgba.size(), want.rgba.size());
  EXPECT_TRUE(seen.rgba == want.rgba);
  changed.Hide();
  fresh.Hide();
}

}  // namespace
}  // namespace orbelon::testing
