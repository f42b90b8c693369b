// Town art shared by the map pictures and the scenes of the backgrounds: houses drawn from a
// handful of parameters, trees and small plants. Every function draws at a point on the ground
// (cx = the middle of the thing's front, groundY = where it meets the ground).
#pragma once

#include <string>
#include <vector>

#include "paint.h"

namespace bv::gen {

enum class Roof { kGableSide, kGableFront, kHip, kFlat, kMansard };

struct HouseStyle {
    double width = 80;      // front wall
    double wallHeight = 40; // ground to eaves
    double depth = 40;      // side wall, drawn receding up and to the right
    double roofHeight = 30;
    Roof roof = Roof::kGableSide;
    int storeys = 1;
    int windows = 2; // per storey on the front
    Colour wall, roofColour, trim = ink::kWhite, door, shutter;
    bool brick = false, siding = false;
    bool chimney = false, porch = false, bay = false, turret = false, garage = false;
    bool columns = false, dormers = false, windowBoxes = false, shutters = false, bushes = true;
    bool shadow = true; // a soft ground shadow (never on map objects, which must stay opaque-or-clear)
    int doorSide = 0;   // -1 left, 0 middle, 1 right
    double dormerOffset = 0;
};

void drawHouse(cairo_t* cr, double cx, double groundY, const HouseStyle& s);

enum class TreeKind { kOak, kPine, kBirch, kMaple, kBlossom, kPoplar, kApple, kWillow };
void drawTree(cairo_t* cr, double cx, double groundY, TreeKind kind, double height, uint64_t seed);
void drawBush(cairo_t* cr, double cx, double groundY, double width, Colour leaf, Colour flowers,
              bool flowering, uint64_t seed);

// Renders a drawing into a picture cropped to its visible pixels, anchored at its bottom middle.
template <typename Draw> Picture cropped(int canvasW, int canvasH, Draw draw, const std::string& name = "") {
    Canvas c(canvasW, canvasH);
    draw(c.cr());
    Picture full = c.picture();
    int x0 = canvasW, y0 = canvasH, x1 = -1, y1 = -1;
    for (int y = 0; y < canvasH; ++y)
        for (int x = 0; x < canvasW; ++x)
            if (full.at(x, y) >> 24) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    if (x1 < 0) die("drawing %s left nothing visible", name.c_str());
    if (x0 == 0 || y0 == 0 || x1 == canvasW - 1 || y1 == canvasH - 1)
        die("drawing %s touches its canvas edge", name.c_str());
    Picture p(x1 - x0 + 1, y1 - y0 + 1);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.at(x, y) = full.at(x0 + x, y0 + y);
    p.anchorBottomCentre();
    return p;
}

} // namespace bv::gen
