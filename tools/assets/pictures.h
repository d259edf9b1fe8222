#pragma once

// The windows' pictures (PNG files beside the data files).

#include "assets/image.h"

namespace orbelon::assets {

// The play window's background, 450 x 500, and its life icon, 64 x 64.
Image BackgroundPicture();
Image LifePicture();

// The program's icon in the title bars, 32 x 32.
Image IconPicture();

// The start window's title, 400 x 300, and the rules, 400 x 400: at most 256 colours each.
Image TitlePicture();
Image RulesPicture();

// The pause window's picture, 200 x 200, at most 256 colours; the closing window's, 400 x 400.
Image PausedPicture();
Image ClosingPicture();

}  // namespace orbelon::assets
