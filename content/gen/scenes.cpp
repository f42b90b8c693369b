// The two full-screen scenes: the sunny title screen over Brickvale, and the evening celebration
// of the game-done screen with its card for the closing words.
#include <cmath>

#include "town_art.h"
#include "ui.h"

namespace bv::gen {

namespace {

void cloud(cairo_t* cr, double x, double y, double s) {
    const double blobs[][3] = {{0, 0, 18},   {20, 6, 14},  {-20, 6, 13},
                               {8, -10, 14}, {-8, -6, 12}, {34, 10, 9}};
    for (const auto& b : blobs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + b[0] * s, y + b[1] * s, b[2] * s, 0, 2 * M_PI);
    }
    verticalFill(cr, hexColour(0xFFFFFF), hexColour(0xDCEAF5), y - 24 * s, y + 20 * s);
    cairo_new_path(cr);
}

void hills(cairo_t* cr, double base, double amp, double phase, Colour top, Colour bottom) {
    cairo_move_to(cr, 0, 600);
    for (int x = 0; x <= 800; x += 8)
        cairo_line_to(cr, x,
                      base - amp * std::sin(x / 130.0 + phase) - amp * 0.5 * std::sin(x / 53.0 + phase * 2));
    cairo_line_to(cr, 800, 600);
    cairo_close_path(cr);
    verticalFill(cr, top, bottom, base - amp * 1.5, 600);
    cairo_new_path(cr);
}

void sun(cairo_t* cr, double x, double y) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 10, x, y, 140);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.97, 0.8, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.97, 0.8, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, y, 140, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, x, y, 34, 0, 2 * M_PI);
    litFill(cr, hexColour(0xFFE27A), x - 34, y - 34, x + 34, y + 34, 0.5, 0.05);
    cairo_new_path(cr);
}

HouseStyle style(uint32_t wall, uint32_t roof, Roof shape, double w, double h, int storeys) {
    HouseStyle s;
    s.wall = hexColour(wall), s.roofColour = hexColour(roof), s.door = hexColour(0xC0392B);
    s.shutter = hexColour(0x3F6FA8), s.roof = shape, s.width = w, s.wallHeight = h, s.storeys = storeys;
    s.depth = 40, s.roofHeight = 28, s.windows = 2, s.chimney = true, s.porch = storeys > 1;
    return s;
}

void town(cairo_t* cr, double groundY, double scale) {
    struct Lot {
        double x;
        HouseStyle s;
    };
    Lot lots[] = {
        {70, style(0xF6C6C4, 0x8C4B3A, Roof::kGableSide, 64, 36, 1)},
        {175, style(0xA9CBE8, 0x5A4E4A, Roof::kGableFront, 78, 60, 2)},
        {290, style(0xFBE9A6, 0x7A6250, Roof::kGableSide, 66, 38, 1)},
        {395, style(0xC7B8E0, 0x5B4A72, Roof::kGableFront, 76, 62, 2)},
        {505, style(0xB8D8A8, 0x7C4A33, Roof::kHip, 86, 34, 1)},
    };
    lots[3].s.turret = true;
    for (const Lot& lot : lots) {
        cairo_save(cr);
        cairo_translate(cr, lot.x, groundY);
        cairo_scale(cr, scale, scale);
        drawHouse(cr, 0, 0, lot.s);
        cairo_restore(cr);
    }
    const double treeX[] = {18, 122, 236, 345, 452, 570};
    for (int i = 0; i < 6; ++i)
        drawTree(cr, treeX[i], groundY + 4, i % 2 ? TreeKind::kOak : TreeKind::kPine, 58 + (i % 3) * 10,
                 uint64_t(i + 3));
}

void flowers(cairo_t* cr, double y0, double y1, uint64_t seed, int count) {
    Rng rng(seed);
    const uint32_t colours[] = {0xF05A7E, 0xFFD34D, 0xFFFFFF, 0x8E6CC8, 0xF2873A};
    for (int i = 0; i < count; ++i) {
        double x = rng.range(0, 800), y = rng.range(y0, y1),
               r = rng.range(1.6, 2.8) * (0.6 + (y - y0) / (y1 - y0));
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        setColour(cr, hexColour(colours[rng.below(5)]));
        cairo_fill(cr);
    }
}

void firework(cairo_t* cr, double x, double y, double r, Colour c) {
    for (int i = 0; i < 18; ++i) {
        double a = i * M_PI / 9;
        cairo_move_to(cr, x + std::cos(a) * r * 0.25, y + std::sin(a) * r * 0.25);
        cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
    }
    setColour(cr, withAlpha(c, 0.85));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    for (int i = 0; i < 18; ++i) {
        double a = i * M_PI / 9;
        cairo_arc(cr, x + std::cos(a) * r * 1.08, y + std::sin(a) * r * 1.08, 2.2, 0, 2 * M_PI);
        setColour(cr, lighter(c, 0.5));
        cairo_fill(cr);
    }
}

} // namespace

void drawTitleScene(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    verticalFill(cr, hexColour(0x5FB4EA), hexColour(0xD6F0FF), 0, 380);
    cairo_new_path(cr);
    sun(cr, 96, 86);
    cloud(cr, 260, 90, 1.4);
    cloud(cr, 430, 160, 1.0);
    cloud(cr, 690, 380, 1.1);
    cloud(cr, 120, 230, 0.9);
    hills(cr, 330, 22, 0.5, hexColour(0xA6D48A), hexColour(0x8CC46E));
    hills(cr, 375, 14, 2.0, hexColour(0x86C85E), hexColour(0x6DB54A));
    town(cr, 400, 1.0);
    hills(cr, 440, 8, 4.0, hexColour(0x7CC555), hexColour(0x5AA843));
    // A winding path from the town down to the viewer.
    cairo_move_to(cr, 330, 420);
    cairo_curve_to(cr, 300, 470, 420, 510, 360, 600);
    cairo_line_to(cr, 470, 600);
    cairo_curve_to(cr, 520, 520, 360, 470, 350, 420);
    cairo_close_path(cr);
    verticalFill(cr, hexColour(0xEAD8A8), hexColour(0xDCC28A), 420, 600);
    cairo_new_path(cr);
    flowers(cr, 450, 600, 42, 160);
    drawTree(cr, 720, 560, TreeKind::kBlossom, 150, 77);
    drawBush(cr, 620, 590, 60, hexColour(0x4E9A3A), hexColour(0xF07AA0), true, 19);
    drawBush(cr, 60, 585, 70, hexColour(0x5AA642), hexColour(0xFFD34D), true, 23);
}

void drawGameDoneScene(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    verticalFill(cr, hexColour(0x2B2A5C), hexColour(0xF29E6B), 0, 430);
    cairo_new_path(cr);
    Rng rng(99);
    for (int i = 0; i < 60; ++i) { // first stars
        cairo_arc(cr, rng.range(0, 800), rng.range(0, 200), rng.range(0.6, 1.5), 0, 2 * M_PI);
        setColour(cr, withAlpha(ink::kWhite, rng.range(0.4, 0.9)));
        cairo_fill(cr);
    }
    firework(cr, 150, 110, 60, hexColour(0xF7C948));
    firework(cr, 330, 70, 42, hexColour(0xF27BA8));
    firework(cr, 560, 60, 36, hexColour(0x6EC6F2));
    firework(cr, 720, 120, 48, hexColour(0x8FD66A));
    hills(cr, 380, 16, 1.3, hexColour(0x6A8F6A), hexColour(0x4E7552));
    town(cr, 420, 1.0);
    // A warm evening wash over the town, lights in the windows come from the glass gradient.
    cairo_rectangle(cr, 0, 250, 800, 200);
    setColour(cr, withAlpha(hexColour(0xF29E6B), 0.18));
    cairo_fill(cr);
    hills(cr, 455, 6, 3.0, hexColour(0x5E9A4A), hexColour(0x3F7A36));
    // A big trophy on the lawn: the trophy icon, enlarged.
    Picture trophyPic = iconSecondHalf(43);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, trophyPic.width, trophyPic.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < trophyPic.height; ++y)
        for (int x = 0; x < trophyPic.width; ++x) {
            uint32_t c = trophyPic.at(x, y), a = c >> 24;
            auto pm = [a](uint32_t v) { return (v * a + 127) / 255; };
            reinterpret_cast<uint32_t*>(data + y * stride)[x] =
                a << 24 | pm(c >> 16 & 255) << 16 | pm(c >> 8 & 255) << 8 | pm(c & 255);
        }
    cairo_surface_mark_dirty(s);
    cairo_save(cr);
    cairo_translate(cr, 210 - trophyPic.width * 4.5 / 2, 520 - trophyPic.height * 4.5);
    cairo_scale(cr, 4.5, 4.5);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
    for (int i = 0; i < 90; ++i) { // confetti
        double x = rng.range(0, 430), y = rng.range(200, 600);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.range(0, M_PI));
        cairo_rectangle(cr, -3, -1.5, 6, 3);
        const uint32_t cs[] = {0xF7C948, 0xF27BA8, 0x6EC6F2, 0x8FD66A, 0xF2873A};
        setColour(cr, hexColour(cs[rng.below(5)]));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The card for the closing words (text box 450..735 x 147..400, button at (598, 360)).
    roundedRect(cr, 432, 124, 320, 286, 16);
    setColour(cr, withAlpha(hexColour(0x1A1030), 0.35));
    cairo_fill(cr);
    roundedRect(cr, 426, 118, 320, 286, 16);
    litFill(cr, hexColour(0xC98A4B), 426, 118, 746, 404, 0.2, 0.2);
    outline(cr, 2);
    roundedRect(cr, 436, 128, 300, 266, 10);
    verticalFill(cr, hexColour(0xFFF8E6), hexColour(0xF3E2BE), 128, 394);
    outline(cr, 1.4, hexColour(0x8A5A2B));
    for (int side : {-1, 1}) {
        starPath(cr, 586 + side * 110, 140, 8, 3.5, 5);
        fillAndOutline(cr, ink::kGold, 1.1);
    }
}

} // namespace bv::gen
