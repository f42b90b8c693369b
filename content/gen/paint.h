// Drawing helpers shared by the picture generators, on top of cairo.
//
// The art direction in one place: bright, warm colours; light from the upper left (lit faces and
// highlights up-left, shade and shadows down-right); clean dark-brown outlines rather than black.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "out.h"

namespace bv::gen {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};

Colour hexColour(uint32_t rgb, double alpha = 1.0);
Colour mix(Colour a, Colour b, double t);
Colour lighter(Colour c, double t); // toward white
Colour darker(Colour c, double t);  // toward black
Colour withAlpha(Colour c, double a);

// The shared palette.
namespace ink {
inline const Colour kOutline = {0.23, 0.16, 0.12, 1}; // warm dark brown
inline const Colour kWhite = {1, 1, 1, 1};
inline const Colour kCream = {1.0, 0.96, 0.86, 1};
inline const Colour kParchment = {0.965, 0.914, 0.80, 1};
inline const Colour kGold = {0.97, 0.79, 0.28, 1};
inline const Colour kGoldDark = {0.79, 0.54, 0.07, 1};
inline const Colour kWood = {0.60, 0.39, 0.20, 1};
inline const Colour kWoodDark = {0.42, 0.26, 0.13, 1};
inline const Colour kRed = {0.88, 0.33, 0.24, 1};
inline const Colour kOrange = {0.95, 0.60, 0.22, 1};
inline const Colour kGreen = {0.49, 0.77, 0.35, 1};
inline const Colour kLeaf = {0.25, 0.56, 0.23, 1};
inline const Colour kSky = {0.49, 0.78, 0.94, 1};
inline const Colour kBlue = {0.18, 0.43, 0.71, 1};
inline const Colour kGrey = {0.62, 0.62, 0.60, 1};
} // namespace ink

// A cairo ARGB32 drawing surface that turns into a Picture (straight alpha).
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Picture picture() const;

  private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void setColour(cairo_t* cr, Colour c);
// Path helpers (they only build the path).
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void polygon(cairo_t* cr, std::initializer_list<double> xy);

// Fills the current path with `fill`, then outlines it; the path is consumed.
void fillAndOutline(cairo_t* cr, Colour fill, double lineWidth = 1.5, Colour outline = ink::kOutline);
// Fills the current path with a gradient lit from the upper left: lighter at (x0, y0), darker
// at (x1, y1). The path is kept for an outline.
void litFill(cairo_t* cr, Colour base, double x0, double y0, double x1, double y1, double light = 0.3,
             double shade = 0.18);
void outline(cairo_t* cr, double lineWidth = 1.5, Colour c = ink::kOutline);
// A vertical gradient from `top` to `bottom` over y0..y1 for the current path (kept).
void verticalFill(cairo_t* cr, Colour top, Colour bottom, double y0, double y1);
// A glossy highlight: a soft white ellipse over the upper-left part of a shape.
void gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double strength = 0.45);

// Text with a font file through FreeType (reproducible, no font lookup). align: 0 left,
// 1 centred, 2 right; y is the baseline.
enum class Face { kSansBold, kSans, kSerifBold, kSansCondensedBold };
void text(cairo_t* cr, Face face, double size, double x, double y, const std::string& s, int align = 0);
// Builds the outline path of a text (for outlined lettering).
void textPath(cairo_t* cr, Face face, double size, double x, double y, const std::string& s, int align = 0);
double textWidth(cairo_t* cr, Face face, double size, const std::string& s);

} // namespace bv::gen
