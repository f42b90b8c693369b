// Road and pavement pieces seen from above: tiles that join edge to edge on the map's ground.
#include <cmath>

#include "town.h"

namespace bv::gen {

namespace {

template <typename Draw>
void tile(std::vector<TownPicture>& out, const std::string& name, int w, int h, Draw draw) {
    Canvas c(w, h);
    draw(c.cr(), double(w), double(h));
    Picture p = c.picture();
    p.anchorBottomCentre();
    p.name = name + ".png";
    out.push_back({p, "roads"});
}

void roadBase(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    setColour(cr, hexColour(0x6E7278));
    cairo_fill(cr);
}

void dashes(cairo_t* cr, double x0, double y0, double x1, double y1) {
    setColour(cr, hexColour(0xF4F1E6));
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const double dash[] = {8, 8};
    cairo_set_dash(cr, dash, 2, 4);
    cairo_move_to(cr, x0, y0), cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

void kerb(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    setColour(cr, hexColour(0xC9C6BD));
    cairo_fill(cr);
}

} // namespace

void addRoadObjects(std::vector<TownPicture>& out) {
    // Road pieces, seen from above: 96 px squares that join edge to edge.
    tile(out, "road_straight_h", 96, 48, [](cairo_t* cr, double w, double h) {
        roadBase(cr, 0, 0, w, h);
        kerb(cr, 0, 0, w, 4), kerb(cr, 0, h - 4, w, 4);
        dashes(cr, 0, h / 2, w, h / 2);
    });
    tile(out, "road_straight_v", 48, 96, [](cairo_t* cr, double w, double h) {
        roadBase(cr, 0, 0, w, h);
        kerb(cr, 0, 0, 4, h), kerb(cr, w - 4, 0, 4, h);
        dashes(cr, w / 2, 0, w / 2, h);
    });
    tile(out, "road_crossing", 48, 48, [](cairo_t* cr, double w, double h) { roadBase(cr, 0, 0, w, h); });
    tile(out, "road_zebra", 48, 48, [](cairo_t* cr, double w, double h) {
        roadBase(cr, 0, 0, w, h);
        setColour(cr, hexColour(0xF4F1E6));
        for (int i = 0; i < 5; ++i) cairo_rectangle(cr, 5 + i * 8.5, 6, 5, h - 12);
        cairo_fill(cr);
    });
    tile(out, "road_tee", 96, 48, [](cairo_t* cr, double w, double h) {
        roadBase(cr, 0, 0, w, h);
        kerb(cr, 0, 0, w * 0.25, 4), kerb(cr, w * 0.75, 0, w * 0.25, 4), kerb(cr, 0, h - 4, w, 4);
        dashes(cr, 0, h / 2, w * 0.25, h / 2);
        dashes(cr, w * 0.75, h / 2, w, h / 2);
    });
    tile(out, "road_corner", 48, 48, [](cairo_t* cr, double w, double h) {
        roadBase(cr, 0, 0, w, h);
        kerb(cr, 0, 0, w, 4), kerb(cr, 0, 0, 4, h);
        cairo_arc(cr, w, h, 6, M_PI, 1.5 * M_PI);
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        setColour(cr, hexColour(0xC9C6BD));
        cairo_fill(cr);
    });
    tile(out, "pavement_h", 96, 16, [](cairo_t* cr, double w, double h) {
        cairo_rectangle(cr, 0, 0, w, h);
        setColour(cr, hexColour(0xD8D4CA));
        cairo_fill(cr);
        setColour(cr, hexColour(0xB8B3A8));
        cairo_set_line_width(cr, 1);
        for (double x = 0.5; x < w; x += 16) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, h);
        cairo_stroke(cr);
    });
    tile(out, "pavement_v", 16, 96, [](cairo_t* cr, double w, double h) {
        cairo_rectangle(cr, 0, 0, w, h);
        setColour(cr, hexColour(0xD8D4CA));
        cairo_fill(cr);
        setColour(cr, hexColour(0xB8B3A8));
        cairo_set_line_width(cr, 1);
        for (double y = 0.5; y < h; y += 16) cairo_move_to(cr, 0, y), cairo_line_to(cr, w, y);
        cairo_stroke(cr);
    });
    tile(out, "path_gravel", 48, 48, [](cairo_t* cr, double w, double h) {
        cairo_rectangle(cr, 0, 0, w, h);
        setColour(cr, hexColour(0xE3D2A8));
        cairo_fill(cr);
        Rng rng(9);
        for (int i = 0; i < 60; ++i) {
            cairo_arc(cr, rng.range(1, w - 1), rng.range(1, h - 1), rng.range(0.5, 1.2), 0, 2 * M_PI);
            setColour(cr, rng.chance(0.5) ? hexColour(0xC9B48A) : hexColour(0xF2E6C8));
            cairo_fill(cr);
        }
    });
}

} // namespace bv::gen
