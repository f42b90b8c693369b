// The pieces the interface is assembled from: the nine panel-frame pieces, the button pieces
// and the title menu's ornament.
#include <cmath>

#include "ui.h"

namespace bv::gen {

// The panel frame: a 36 x 36 frame drawn in constant-colour bands, cut into nine 12 x 12
// pieces. Bands that do not change along an edge make the edge pieces tile seamlessly.
std::vector<Picture> framePieces() {
    const int kPiece = 12, kSize = 3 * kPiece;
    Canvas c(kSize, kSize);
    cairo_t* cr = c.cr();
    roundedRect(c.cr(), 0.5, 0.5, kSize - 1, kSize - 1, 9);
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
    roundedRect(cr, 1.5, 1.5, kSize - 3, kSize - 3, 8);
    setColour(cr, hexColour(0xB9783A));
    cairo_fill(cr);
    roundedRect(cr, 2.5, 2.5, kSize - 5, kSize - 5, 7);
    setColour(cr, hexColour(0xD59A55));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    roundedRect(cr, 7, 7, kSize - 14, kSize - 14, 3);
    setColour(cr, ink::kGold);
    cairo_fill(cr);
    roundedRect(cr, 8, 8, kSize - 16, kSize - 16, 2.5);
    setColour(cr, hexColour(0x8A5A2B));
    cairo_fill(cr);
    cairo_rectangle(cr, 9, 9, kSize - 18, kSize - 18);
    setColour(cr, ink::kParchment);
    cairo_fill(cr);
    Picture whole = c.picture();
    auto cut = [&](int col, int row) {
        Picture p(kPiece, kPiece);
        for (int y = 0; y < kPiece; ++y)
            for (int x = 0; x < kPiece; ++x) p.at(x, y) = whole.at(col * kPiece + x, row * kPiece + y);
        return p;
    };
    // 45 bottom-left, 46 bottom, 47 bottom-right, 48 left, 49 centre, 50 right, 51 top-left,
    // 52 top, 53 top-right.
    return {cut(0, 2), cut(1, 2), cut(2, 2), cut(0, 1), cut(1, 1),
            cut(2, 1), cut(0, 0), cut(1, 0), cut(2, 0)};
}

Picture titleBanner() {
    Canvas c(200, 22);
    cairo_t* cr = c.cr();
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 100 + side * 20, 11);
        cairo_line_to(cr, 100 + side * 92, 11);
        outline(cr, 2.2, ink::kGoldDark);
        cairo_arc(cr, 100 + side * 94, 11, 2.5, 0, 2 * M_PI);
        fillAndOutline(cr, ink::kGold, 1);
    }
    // A little house in the middle.
    cairo_rectangle(cr, 92, 9, 16, 11);
    litFill(cr, ink::kCream, 92, 9, 108, 20);
    outline(cr, 1.3);
    polygon(cr, {88, 10, 100, 1.5, 112, 10});
    fillAndOutline(cr, ink::kRed, 1.3);
    cairo_rectangle(cr, 98, 13, 4, 7);
    fillAndOutline(cr, ink::kWood, 1);
    return c.picture();
}

// Button pieces: a butter-yellow pill 30 px high; the middle piece is the same in every column.
std::vector<Picture> buttonPieces() {
    const int kEnd = 12, kMiddle = 4, kWidth = 2 * kEnd + kMiddle;
    Canvas c(kWidth, 30);
    cairo_t* cr = c.cr();
    roundedRect(cr, 0.8, 0.8, kWidth - 1.6, 28.4, 11);
    verticalFill(cr, hexColour(0xFFF4CC), hexColour(0xF2C65A), 1, 29);
    outline(cr, 1.6, hexColour(0x8A5A2B));
    roundedRect(cr, 3, 3, kWidth - 6, 11, 6);
    verticalFill(cr, withAlpha(ink::kWhite, 0.75), withAlpha(ink::kWhite, 0.1), 3, 14);
    cairo_new_path(cr);
    Picture whole = c.picture();
    auto cut = [&](int x0, int w) {
        Picture p(w, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < w; ++x) p.at(x, y) = whole.at(x0 + x, y);
        return p;
    };
    return {cut(0, kEnd), cut(kEnd, kMiddle), cut(kEnd + kMiddle, kEnd)};
}

} // namespace bv::gen
