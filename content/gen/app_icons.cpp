// The desktop icons of the game and the editor, one PNG per size: a red-roofed house on a green
// lot under a sky tile, with a gold coin (the game) or a pencil (the editor).
//   bvgen_icons OUTDIR     writes brickvale2-<size>.png and brickvale2-editor-<size>.png
#include <cmath>
#include <string>

#include "paint.h"
#include "town_art.h"

namespace bv::gen {
namespace {

void drawTile(cairo_t* cr) {
    roundedRect(cr, 8, 8, 240, 240, 44);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, 256, 170);
    verticalFill(cr, hexColour(0x7CC7F0), hexColour(0xCDEBFA), 8, 170);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 168, 256, 90);
    setColour(cr, ink::kGreen);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 168, 256, 6);
    setColour(cr, darker(ink::kGreen, 0.2));
    cairo_fill(cr);
    cairo_restore(cr);
    roundedRect(cr, 8, 8, 240, 240, 44);
    outline(cr, 6);
}

void drawIconHouse(cairo_t* cr) {
    HouseStyle s;
    s.wall = hexColour(0xF3E2B8), s.roofColour = hexColour(0xB8432F), s.door = hexColour(0x2E6B3A);
    s.shutter = hexColour(0x3F6FA8), s.roof = Roof::kGableSide, s.width = 92, s.wallHeight = 52;
    s.depth = 34, s.roofHeight = 40, s.windows = 2, s.chimney = true, s.shadow = false;
    cairo_save(cr);
    cairo_translate(cr, 112, 196);
    cairo_scale(cr, 1.25, 1.25);
    drawHouse(cr, 0, 0, s);
    cairo_restore(cr);
}

void drawCoin(cairo_t* cr) {
    ellipsePath(cr, 190, 70, 38, 38);
    litFill(cr, ink::kGold, 160, 40, 220, 100);
    outline(cr, 5);
    ellipsePath(cr, 190, 70, 27, 27);
    outline(cr, 3, ink::kGoldDark);
    setColour(cr, ink::kGoldDark);
    text(cr, Face::kSerifBold, 40, 190, 84, "$", 1);
}

void drawPencil(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 188, 72);
    cairo_rotate(cr, M_PI / 4);
    cairo_rectangle(cr, -12, -58, 24, 84);
    fillAndOutline(cr, ink::kOrange, 4);
    cairo_rectangle(cr, -12, -70, 24, 14);
    fillAndOutline(cr, ink::kRed, 4);
    polygon(cr, {-12, 26, 12, 26, 0, 52});
    fillAndOutline(cr, ink::kCream, 4);
    polygon(cr, {-4, 42, 4, 42, 0, 52});
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
    cairo_restore(cr);
}

Picture icon(int size, bool editor) {
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    cairo_scale(cr, size / 256.0, size / 256.0);
    drawTile(cr);
    drawIconHouse(cr);
    if (editor)
        drawPencil(cr);
    else
        drawCoin(cr);
    return c.picture();
}

} // namespace
} // namespace bv::gen

int main(int argc, char** argv) {
    if (argc < 2) bv::gen::die("usage: bvgen_icons OUTDIR");
    const std::string dir = argv[1];
    for (const int size : {48, 64, 128, 256}) {
        bv::gen::writeFile(dir + "/brickvale2-" + std::to_string(size) + ".png",
                           bv::gen::encodePng(bv::gen::icon(size, false)));
        bv::gen::writeFile(dir + "/brickvale2-editor-" + std::to_string(size) + ".png",
                           bv::gen::encodePng(bv::gen::icon(size, true)));
    }
    return 0;
}
