#pragma once

#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_ttf.h>

#include "platform/runtime/controls.h"

namespace orbelon::sdl {

// Text is set as the old system set it: each character at its own advance, with no kerning
// between neighbours, so that every blank is as wide as the font's blank. (Kerning pairs such as
// "A" and a blank would eat most of a blank between capitals, and "G A M E" would read "GAME".)

// The width of a line of text: the sum of its characters' advances.
int TextWidth(TTF_Font* font, const std::string& text);

// The lines of a text as a label shows it: broken at line ends and, with wrap, between words to
// fit the width. Where a line breaks, the blanks there give way to the break; every other blank
// stays as it is. A word wider than the width stands on a line of its own.
std::vector<std::string> LayOutText(TTF_Font* font, const std::string& text, int width, bool wrap);

// Draws the text laid out in the box, each line aligned in it, everything cut at its edges.
void DrawText(SDL_Surface* surface, TTF_Font* font, const std::string& text, const SDL_Rect& box,
              platform::Alignment alignment, SDL_Color color, bool wrap, bool center_vertically);

}  // namespace orbelon::sdl
