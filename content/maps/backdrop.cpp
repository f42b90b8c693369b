// Painting the ground of a town. Everything is seen from above, in the house pictures' palette:
// fresh grass lit from the upper left, warm pale pavements, blue-grey asphalt with a dashed white
// centre line, clear blue water with sandy banks.
#include "backdrop.h"

#include <cmath>

#include "paint.h"

namespace bv::maps {

namespace {

using gen::Colour;
using gen::hexColour;

constexpr int kWidth = 800;
constexpr int kHeight = 450;

const Colour kGrassFar = hexColour(0xA9D47A);
const Colour kGrassNear = hexColour(0x8CC262);
const Colour kLawn = hexColour(0xB9DE8A);
const Colour kLawnEdge = hexColour(0x7DB257);
const Colour kAsphalt = hexColour(0x6E7278);
const Colour kKerb = hexColour(0xC9C6BD);
const Colour kPavement = hexColour(0xDCD7CC);
const Colour kPavementEdge = hexColour(0xA9A397);
const Colour kLine = hexColour(0xF4F1E6);
const Colour kPath = hexColour(0xEADFC7);
const Colour kPathEdge = hexColour(0xC8B995);
const Colour kWaterDeep = hexColour(0x3F8FCB);
const Colour kWaterShallow = hexColour(0x7CC3E8);
const Colour kSand = hexColour(0xE2CF9C);
const Colour kEarth = hexColour(0x8E6A48);
const Colour kPlaza = hexColour(0xE6DFCF);
const Colour kPlazaJoint = hexColour(0xCFC5B0);

void polyPath(cairo_t* cr, const std::vector<Pt>& pts, bool close) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0) {
            cairo_move_to(cr, pts[i].x, pts[i].y);
        } else {
            cairo_line_to(cr, pts[i].x, pts[i].y);
        }
    }
    if (close) cairo_close_path(cr);
}

// A closed outline through the points with rounded corners (Catmull-Rom through every point), so
// that lakes and river banks never look cut from card.
void smoothPath(cairo_t* cr, const std::vector<Pt>& pts) {
    cairo_new_path(cr);
    const size_t n = pts.size();
    if (n < 3) return polyPath(cr, pts, true);
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (size_t i = 0; i < n; ++i) {
        const Pt& p0 = pts[(i + n - 1) % n];
        const Pt& p1 = pts[i];
        const Pt& p2 = pts[(i + 1) % n];
        const Pt& p3 = pts[(i + 2) % n];
        cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                       p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
    }
    cairo_close_path(cr);
}

void stroke(cairo_t* cr, const std::vector<Pt>& pts, double width, Colour colour) {
    polyPath(cr, pts, false);
    cairo_set_line_width(cr, width);
    gen::setColour(cr, colour);
    cairo_stroke(cr);
}

// Small dots of lighter and darker shades over the current clip: texture without pattern.
void speckle(cairo_t* cr, gen::Rng& rng, int count, Colour base, double size, double spread) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, kWidth), y = rng.range(0, kHeight);
        const bool light = rng.chance(0.5);
        cairo_arc(cr, x, y, rng.range(0.4, 1.0) * size, 0, 2 * M_PI);
        gen::setColour(cr,
                       gen::withAlpha(light ? gen::lighter(base, spread) : gen::darker(base, spread), 0.45));
        cairo_fill(cr);
    }
}

void paintGrass(cairo_t* cr, const Backdrop& b, gen::Rng& rng) {
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    gen::verticalFill(cr, kGrassFar, kGrassNear, 0, kHeight);
    cairo_fill(cr);
    // Broad soft patches, then mowing stripes, then the blades.
    for (int i = 0; i < 28; ++i) {
        gen::ellipsePath(cr, rng.range(0, kWidth), rng.range(0, kHeight), rng.range(40, 120),
                         rng.range(15, 40));
        gen::setColour(cr, rng.chance(0.5) ? Colour{1, 1, 0.8, 0.06} : Colour{0.1, 0.3, 0.05, 0.06});
        cairo_fill(cr);
    }
    const double band = 22 * std::max(b.scale, 0.6);
    for (double y = 0; y < kHeight; y += 2 * band) {
        cairo_rectangle(cr, 0, y, kWidth, band);
        gen::setColour(cr, Colour{1, 1, 0.9, 0.045});
        cairo_fill(cr);
    }
    speckle(cr, rng, 5200, kGrassNear, 1.1, 0.25);
    cairo_set_line_width(cr, 0.9);
    for (int i = 0; i < 900; ++i) {
        const double x = rng.range(0, kWidth), y = rng.range(0, kHeight);
        gen::setColour(cr, Colour{0.22, 0.45, 0.16, 0.35});
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, x + k * 1.6, y);
            cairo_line_to(cr, x + k * 2.4, y - 3.2);
        }
        cairo_stroke(cr);
    }
    // A scatter of daisies and buttercups.
    for (int i = 0; i < 160; ++i) {
        cairo_arc(cr, rng.range(0, kWidth), rng.range(0, kHeight), 1.1, 0, 2 * M_PI);
        gen::setColour(cr, rng.chance(0.7) ? Colour{1, 1, 1, 0.85} : Colour{1, 0.86, 0.25, 0.9});
        cairo_fill(cr);
    }
}

void paintLawns(cairo_t* cr, const Backdrop& b, gen::Rng& rng) {
    for (const auto& lawn : b.lawns) {
        polyPath(cr, lawn, true);
        gen::setColour(cr, kLawn);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 3 * std::max(b.scale, 0.6));
        gen::setColour(cr, gen::withAlpha(kLawnEdge, 0.8));
        cairo_stroke(cr);
        cairo_save(cr);
        polyPath(cr, lawn, true);
        cairo_clip(cr);
        const double band = 14 * std::max(b.scale, 0.6);
        for (double x = -kHeight; x < kWidth; x += 2 * band) {
            gen::polygon(cr, {x, 0, x + band, 0, x + band + kHeight * 0.5, double(kHeight), x + kHeight * 0.5,
                              double(kHeight)});
            gen::setColour(cr, Colour{1, 1, 1, 0.07});
            cairo_fill(cr);
        }
        speckle(cr, rng, 600, kLawn, 1.0, 0.18);
        cairo_restore(cr);
    }
}

void paintBeds(cairo_t* cr, const Backdrop& b, gen::Rng& rng) {
    for (const auto& bed : b.beds) {
        polyPath(cr, bed, true);
        gen::setColour(cr, kEarth);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        gen::setColour(cr, gen::darker(kEarth, 0.25));
        cairo_stroke(cr);
        cairo_save(cr);
        polyPath(cr, bed, true);
        cairo_clip(cr);
        speckle(cr, rng, 500, kEarth, 1.2, 0.25);
        // Furrows, and rows of young plants along them.
        double top = kHeight, bottom = 0;
        for (const Pt& p : bed) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        for (double y = top + 5; y < bottom; y += 9) {
            cairo_rectangle(cr, 0, y, kWidth, 2);
            gen::setColour(cr, gen::withAlpha(gen::darker(kEarth, 0.3), 0.6));
            cairo_fill(cr);
            for (double x = rng.range(0, 6); x < kWidth; x += rng.range(5, 8)) {
                gen::ellipsePath(cr, x, y - 1.5, 2.2, 1.6);
                gen::setColour(cr, rng.chance(0.5) ? hexColour(0x6FAE4A) : hexColour(0x8CC862));
                cairo_fill(cr);
            }
        }
        cairo_restore(cr);
    }
}

void paintWater(cairo_t* cr, const Backdrop& b, gen::Rng& rng) {
    const double s = std::max(b.scale, 0.6);
    for (const auto& water : b.water) {
        // Sandy bank, a darker wet edge, then the water itself.
        smoothPath(cr, water);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 14 * s);
        gen::setColour(cr, kSand);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 6 * s);
        gen::setColour(cr, gen::darker(kSand, 0.2));
        cairo_stroke_preserve(cr);
        double top = kHeight, bottom = 0;
        for (const Pt& p : water) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        gen::verticalFill(cr, kWaterShallow, kWaterDeep, top, bottom);
        cairo_fill(cr);
        cairo_save(cr);
        smoothPath(cr, water);
        cairo_clip(cr);
        // Light on the water: short ripples and a few sparkles.
        cairo_set_line_width(cr, 1.4 * s);
        for (int i = 0; i < 140; ++i) {
            const double x = rng.range(0, kWidth), y = rng.range(top, bottom), w = rng.range(6, 16) * s;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + w * 0.3, y - 2 * s, x + w * 0.7, y - 2 * s, x + w, y);
            gen::setColour(cr, Colour{1, 1, 1, rng.range(0.25, 0.55)});
            cairo_stroke(cr);
        }
        // Shade under the near bank.
        smoothPath(cr, water);
        cairo_set_line_width(cr, 8 * s);
        gen::setColour(cr, Colour{0.1, 0.25, 0.45, 0.18});
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void paintPlazas(cairo_t* cr, const Backdrop& b) {
    const double tile = 12 * std::max(b.scale, 0.6);
    for (const auto& plaza : b.plazas) {
        polyPath(cr, plaza, true);
        gen::setColour(cr, kPlaza);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        gen::setColour(cr, kPavementEdge);
        cairo_stroke(cr);
        cairo_save(cr);
        polyPath(cr, plaza, true);
        cairo_clip(cr);
        cairo_set_line_width(cr, 1);
        gen::setColour(cr, kPlazaJoint);
        for (double x = 0.5; x < kWidth; x += tile) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, kHeight);
        for (double y = 0.5; y < kHeight; y += tile) cairo_move_to(cr, 0, y), cairo_line_to(cr, kWidth, y);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void paintPaths(cairo_t* cr, const Backdrop& b) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (const Road& p : b.paths) stroke(cr, p.points, p.width + 2.5, kPathEdge);
    for (const Road& p : b.paths) stroke(cr, p.points, p.width, kPath);
}

void paintRoads(cairo_t* cr, const Backdrop& b, gen::Rng& rng) {
    const double s = std::max(b.scale, 0.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // All pavements first, so that crossing streets share one pavement surface.
    for (const Road& r : b.roads) {
        if (r.pavement > 0) stroke(cr, r.points, r.width + 2 * r.pavement + 2, kPavementEdge);
    }
    for (const Road& r : b.roads) {
        if (r.pavement > 0) stroke(cr, r.points, r.width + 2 * r.pavement, kPavement);
    }
    for (const Road& r : b.roads) stroke(cr, r.points, r.width + 3 * s, kKerb);
    for (const Road& r : b.roads) stroke(cr, r.points, r.width, kAsphalt);
    // Wear on the asphalt.
    cairo_save(cr);
    cairo_new_path(cr);
    for (const Road& r : b.roads) {
        // Each stretch of asphalt as a quadrilateral around its centre line.
        for (size_t i = 0; i + 1 < r.points.size(); ++i) {
            const Pt a = r.points[i], c = r.points[i + 1];
            const double len = std::hypot(c.x - a.x, c.y - a.y);
            if (len <= 0) continue;
            const double nx = -(c.y - a.y) / len * r.width / 2, ny = (c.x - a.x) / len * r.width / 2;
            cairo_move_to(cr, a.x + nx, a.y + ny);
            cairo_line_to(cr, c.x + nx, c.y + ny);
            cairo_line_to(cr, c.x - nx, c.y - ny);
            cairo_line_to(cr, a.x - nx, a.y - ny);
            cairo_close_path(cr);
        }
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    speckle(cr, rng, 3000, kAsphalt, 1.0, 0.18);
    cairo_restore(cr);
    const double dash[] = {9 * s, 9 * s};
    cairo_set_dash(cr, dash, 2, 0);
    for (const Road& r : b.roads) {
        if (r.centreLine) stroke(cr, r.points, 2 * s, kLine);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    // Junctions: plain asphalt where streets meet.
    for (const Junction& j : b.junctions) {
        cairo_rectangle(cr, j.at.x - j.size * 0.5, j.at.y - j.size * 0.5, j.size, j.size);
        gen::setColour(cr, kAsphalt);
        cairo_fill(cr);
    }
}

} // namespace

gen::Picture paintBackdrop(const Backdrop& b) {
    gen::Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    gen::Rng rng(b.seed);
    paintGrass(cr, b, rng);
    paintBeds(cr, b, rng);
    paintLawns(cr, b, rng);
    paintWater(cr, b, rng);
    paintPlazas(cr, b);
    paintPaths(cr, b);
    paintRoads(cr, b, rng);
    gen::Picture picture = canvas.picture();
    picture.anchorTopLeft();
    return picture;
}

} // namespace bv::maps
