#include "platform/runtime/message_box.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/runtime/runtime.h"

namespace orbelon::platform {

namespace {

// The box is laid out in pixels from an estimate of the font's width: the runtime has no font
// metrics (the backend draws the text), so it errs on the wide side.
constexpr int kCharWidth = 7;
constexpr int kLineHeight = 16;
constexpr int kWrapChars = 56;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kMinWidth = 180;
constexpr uint32_t kGround = RGB(212, 208, 200);
constexpr int kEsc = 27;

// Where a line of at most kWrapChars ends: before the last run of blanks that follows a word
// within reach; without one, the word is cut.
size_t LineEnd(const std::string& paragraph) {
  for (size_t end = kWrapChars; end > 0; --end) {
    if (paragraph[end] == ' ' && paragraph[end - 1] != ' ') {
      return end;
    }
  }
  return kWrapChars;
}

// Breaks the prompt into lines of at most kWrapChars, between words where it can. The blanks
// where a line breaks give way to the break; every other blank stays as it is, as a run of
// blanks is part of the text ("0 :  G A M E   O V E R ! !").
std::vector<std::string> WrapLines(const std::string& prompt) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = prompt.find('\n', start);
    std::string paragraph = prompt.substr(start, end == std::string::npos ? end : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') {
      paragraph.pop_back();
    }
    bool broken = false;
    while (paragraph.size() > kWrapChars) {
      const size_t line_end = LineEnd(paragraph);
      lines.push_back(paragraph.substr(0, line_end));
      const size_t next =
          paragraph[line_end] == ' ' ? paragraph.find_first_not_of(' ', line_end) : line_end;
      paragraph.erase(0, next);  // npos: only blanks were left
      broken = true;
    }
    // The blanks of a break at the very end leave no empty line behind.
    if (!broken || !paragraph.empty()) {
      lines.push_back(paragraph);
    }
    if (end == std::string::npos) {
      return lines;
    }
    start = end + 1;
  }
}

Rect Twips(int left, int top, int width, int height) {
  return Rect{left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel,
              height * kTwipsPerPixel};
}

}  // namespace

Picture StopIconPicture(uint32_t ground) {
  auto picture = std::make_shared<PictureData>();
  picture->width = kIconSize;
  picture->height = kIconSize;
  picture->rgba.resize(size_t{kIconSize} * kIconSize * 4);
  const float centre = (kIconSize - 1) / 2.0f;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const float dx = static_cast<float>(x) - centre;
      const float dy = static_cast<float>(y) - centre;
      const bool in_disc = std::hypot(dx, dy) <= centre;
      // The cross: both diagonals, three pixels wide, inside the inner part of the disc.
      const bool in_cross = std::max(std::fabs(dx), std::fabs(dy)) <= 8.5f &&
                            (std::fabs(dx - dy) <= 2.2f || std::fabs(dx + dy) <= 2.2f);
      uint32_t color = ground;
      if (in_disc) {
        color = in_cross ? RGB(255, 255, 255) : RGB(204, 0, 0);
      }
      uint8_t* pixel = &picture->rgba[(static_cast<size_t>(y) * kIconSize + x) * 4];
      pixel[0] = static_cast<uint8_t>(color & 0xff);
      pixel[1] = static_cast<uint8_t>(color >> 8 & 0xff);
      pixel[2] = static_cast<uint8_t>(color >> 16 & 0xff);
      pixel[3] = 255;
    }
  }
  return picture;
}

MessageBoxForm::MessageBoxForm(Runtime& runtime, std::string prompt, int style, std::string title)
    : Form(runtime, "MsgBox"),
      Icon(*this, "Icon", Rect{}),
      Message(*this, "Message", Rect{}),
      OKButton(*this, "OKButton", Rect{}),
      prompt_(std::move(prompt)),
      title_(std::move(title)),
      style_(style) {
  // Style 16 is the stop icon; the other icon styles (32, 48, 64) the game never asks for.
  const bool stop = (style_ & 0x70) == vbCritical;
  const std::vector<std::string> lines = WrapLines(prompt_);
  std::string text;
  size_t widest = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    text += (i == 0 ? "" : "\n") + lines[i];
    widest = std::max(widest, lines[i].size());
  }

  const int text_left = stop ? kMargin * 2 + kIconSize : kMargin;
  const int text_width = static_cast<int>(widest) * kCharWidth + kCharWidth;
  const int text_height = static_cast<int>(lines.size()) * kLineHeight;
  const int text_top = stop ? kMargin + std::max(0, (kIconSize - text_height) / 2) : kMargin;
  const int content_bottom = std::max(text_top + text_height, stop ? kMargin + kIconSize : 0);
  const int title_width = static_cast<int>(title_.size()) * kCharWidth + 60;
  const int width = std::max({text_left + text_width + kMargin, title_width, kMinWidth});
  const int button_top = content_bottom + kMargin + 4;
  const int height = button_top + kButtonHeight + kMargin;

  SetCaption(title_);
  SetBorder(BorderStyle::FixedDialog);
  SetClientSize(width * kTwipsPerPixel, height * kTwipsPerPixel);
  SetBackColor(kGround);
  SetKeyPreview(true);

  Icon.SetBounds(Twips(kMargin, kMargin, kIconSize, kIconSize));
  Icon.SetVisible(stop);
  if (stop) {
    Icon.SetPicture(StopIconPicture(kGround));
  }

  Message.SetBounds(Twips(text_left, text_top, text_width, text_height));
  Message.SetCaption(text);
  Message.SetForeColor(RGB(0, 0, 0));

  OKButton.SetBounds(Twips((width - kButtonWidth) / 2, button_top, kButtonWidth, kButtonHeight));
  OKButton.SetCaption("OK");
  OKButton.SetDefault(true);
  OKButton.SetTabIndex(0);
  OKButton.Click = [this] { Unload(); };
}

void MessageBoxForm::Form_KeyPress(int16_t& key_ascii) {
  if (key_ascii == kEsc) {
    key_ascii = 0;
    Unload();
  }
}

int Runtime::MsgBox(const std::string& prompt, int style, const std::string& title) {
  MessageBoxForm box(*this, prompt, style, title);
  box.ShowModal();
  return 1;
}

void Runtime::ReportFatal(const std::string& message) noexcept {
  Warn(message);
  try {
    MsgBox(message, vbCritical, "Orbelon");
  } catch (...) {
    // There is no display, or it failed too: the line on stderr is the report.
  }
}

void Runtime::Warn(const std::string& message) noexcept {
  std::fprintf(stderr, "orbelon: %s\n", message.c_str());
  std::fflush(stderr);
}

}  // namespace orbelon::platform
