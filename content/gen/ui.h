// The interface picture sets: each function returns one finished set in index order.
#pragma once

#include <vector>

#include "out.h"
#include "paint.h"

namespace bv::gen {

std::vector<Picture> drawIcons();
std::vector<Picture> drawLogos();
std::vector<Picture> drawBackgrounds();
std::vector<Picture> drawAudioBoxes();
std::vector<Picture> drawSparks();
std::vector<Picture> drawNumberFont();

// Icon parts shared by the two icon files and the backgrounds.
Picture iconFirstHalf(int index);  // 0..31
Picture iconSecondHalf(int index); // 32..63
// The nine panel-frame pieces (icons 45..53 in order), the three button pieces (55..57) and the
// title menu's ornament (54).
std::vector<Picture> framePieces();
std::vector<Picture> buttonPieces();
Picture titleBanner();
// A round glossy button of diameter d centred at (cx, cy) in `base` colour.
void roundButton(cairo_t* cr, double cx, double cy, double d, Colour base);
// A chunky arrow pointing right, centred at (cx, cy), `len` long and `w` thick.
void arrowShape(cairo_t* cr, double cx, double cy, double len, double w);
// A gold coin with a dollar sign.
void coinShape(cairo_t* cr, double cx, double cy, double r);
// A small sign board on a post (for sale / for rent), post foot at (cx, baseY).
void signPost(cairo_t* cr, double cx, double baseY, double swingDegrees, Colour board, const char* line1,
              const char* line2);

} // namespace bv::gen
