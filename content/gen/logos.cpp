// "logos": the maker's logo in four layers (emblem, name, subtitle, sparkles) of one size so
// that they stack at one point over black, then the title wordmark and its gold "2" badge.
#include <cmath>

#include "ui.h"

namespace bv::gen {

namespace {

constexpr int kMakerW = 520, kMakerH = 330;
constexpr double kEmblemX = kMakerW / 2.0, kEmblemY = 112;

Picture finish(Canvas& c) {
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

// A round emblem: a quill feather over rolling moorland hills at dawn.
Picture makerEmblem() {
    Canvas c(kMakerW, kMakerH);
    cairo_t* cr = c.cr();
    const double r = 92;
    cairo_arc(cr, kEmblemX, kEmblemY, r + 6, 0, 2 * M_PI);
    litFill(cr, ink::kGold, kEmblemX - r, kEmblemY - r, kEmblemX + r, kEmblemY + r, 0.5, 0.3);
    outline(cr, 2.5);
    cairo_save(cr);
    cairo_arc(cr, kEmblemX, kEmblemY, r, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, kMakerW, kMakerH);
    verticalFill(cr, hexColour(0x3E5FA8), hexColour(0xF6B26B), kEmblemY - r, kEmblemY + 20);
    cairo_new_path(cr);
    cairo_arc(cr, kEmblemX - 30, kEmblemY + 8, 24, 0, 2 * M_PI); // the rising sun
    setColour(cr, hexColour(0xFFE08A));
    cairo_fill(cr);
    const uint32_t kHill[3] = {0x7E9E5A, 0x5E8446, 0x46693A};
    for (int h = 0; h < 3; ++h) {
        double base = kEmblemY + 18 + h * 22;
        cairo_move_to(cr, kEmblemX - r - 5, base + 30);
        for (int x = -int(r) - 5; x <= int(r) + 5; x += 4)
            cairo_line_to(cr, kEmblemX + x, base - 14 * std::sin((x + h * 60) / 38.0) - 6 * h);
        cairo_line_to(cr, kEmblemX + r + 5, kEmblemY + r + 10);
        cairo_line_to(cr, kEmblemX - r - 5, kEmblemY + r + 10);
        cairo_close_path(cr);
        setColour(cr, hexColour(kHill[h]));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_arc(cr, kEmblemX, kEmblemY, r, 0, 2 * M_PI);
    outline(cr, 2.5);
    // The quill, leaning right, its nib resting on the hills.
    cairo_save(cr);
    cairo_translate(cr, kEmblemX + 8, kEmblemY + 10);
    cairo_rotate(cr, 0.55);
    cairo_move_to(cr, 0, 70);
    cairo_curve_to(cr, -26, 20, -24, -50, 6, -96);
    cairo_curve_to(cr, 20, -50, 22, 20, 0, 70);
    cairo_close_path(cr);
    litFill(cr, hexColour(0xFDF6E6), -26, -96, 22, 70, 0.5, 0.1);
    outline(cr, 2);
    cairo_move_to(cr, 0, 68);
    cairo_curve_to(cr, -2, 10, 0, -40, 6, -92);
    outline(cr, 1.6, hexColour(0xA08A66));
    for (int i = 0; i < 7; ++i) { // barbs
        double y = -70 + i * 16;
        cairo_move_to(cr, 2, y), cairo_line_to(cr, -14 + i * 0.8, y + 10);
        cairo_move_to(cr, 3, y + 4), cairo_line_to(cr, 14 - i * 0.5, y + 12);
    }
    outline(cr, 1, hexColour(0xC8B48E));
    polygon(cr, {-3, 62, 3, 62, 0, 78});
    fillAndOutline(cr, hexColour(0x4A4A55), 1.2);
    cairo_restore(cr);
    return finish(c);
}

void lettering(cairo_t* cr, Face face, double size, double y, const std::string& s, Colour top, Colour bottom,
               double spacing) {
    // Letter-spaced: each character placed by hand.
    double total = 0;
    for (char ch : s) total += textWidth(cr, face, size, std::string(1, ch)) + spacing;
    total -= spacing;
    double x = kMakerW / 2.0 - total / 2;
    for (char ch : s) {
        std::string one(1, ch);
        textPath(cr, face, size, x, y, one);
        x += textWidth(cr, face, size, one) + spacing;
    }
    cairo_set_line_width(cr, 5);
    setColour(cr, ink::kOutline);
    cairo_stroke_preserve(cr);
    verticalFill(cr, top, bottom, y - size * 0.75, y);
    cairo_new_path(cr);
}

Picture makerName() {
    Canvas c(kMakerW, kMakerH);
    lettering(c.cr(), Face::kSerifBold, 46, 262, "QUILLMOOR", hexColour(0xFFF3C4), hexColour(0xE9A73A), 3);
    return finish(c);
}

Picture makerSubtitle() {
    Canvas c(kMakerW, kMakerH);
    cairo_t* cr = c.cr();
    for (int side : {-1, 1}) {
        cairo_move_to(cr, kMakerW / 2.0 + side * 70, 294);
        cairo_line_to(cr, kMakerW / 2.0 + side * 150, 294);
    }
    outline(cr, 2, hexColour(0xE9A73A));
    lettering(cr, Face::kSansBold, 22, 302, "GAMES", hexColour(0xFFFFFF), hexColour(0xBFD9F2), 9);
    return finish(c);
}

Picture makerSparkles() {
    Canvas c(kMakerW, kMakerH);
    cairo_t* cr = c.cr();
    struct Spark {
        double x, y, r;
    };
    for (Spark s : {Spark{kEmblemX - 120, kEmblemY - 60, 14}, Spark{kEmblemX + 118, kEmblemY - 30, 10},
                    Spark{kEmblemX + 100, kEmblemY + 70, 7}, Spark{kEmblemX - 105, kEmblemY + 55, 8},
                    Spark{kEmblemX + 60, kEmblemY - 100, 6}}) {
        starPath(cr, s.x, s.y, s.r, s.r * 0.28, 4);
        setColour(cr, hexColour(0xFFF1B0));
        cairo_fill(cr);
        cairo_arc(cr, s.x, s.y, s.r * 0.5, 0, 2 * M_PI);
        setColour(cr, withAlpha(ink::kWhite, 0.6));
        cairo_fill(cr);
    }
    return finish(c);
}

// "Brickvale" in chunky serif letters made of bricks, cream-rimmed, on a soft shadow.
Picture titleWordmark() {
    const int w = 470, h = 124;
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    // Set toward the left: the badge stands at the right end of the picture on the title screen.
    const double size = 76, baseline = 88;
    const std::string title = "Brickvale";
    double x = 8;
    cairo_save(cr);
    cairo_translate(cr, 4, 5);
    textPath(cr, Face::kSerifBold, size, x, baseline, title);
    cairo_set_line_width(cr, 12);
    setColour(cr, withAlpha(hexColour(0x2A1608), 0.55));
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    textPath(cr, Face::kSerifBold, size, x, baseline, title);
    cairo_set_line_width(cr, 12);
    setColour(cr, ink::kOutline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 8);
    setColour(cr, ink::kCream);
    cairo_stroke_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    verticalFill(cr, hexColour(0xF08A4B), hexColour(0xB8402A), baseline - 64, baseline + 8);
    cairo_new_path(cr);
    // Mortar lines: courses every 11 px, joints staggered.
    setColour(cr, withAlpha(hexColour(0xFBE3C8), 0.85));
    cairo_set_line_width(cr, 1.6);
    for (int row = 0; row < 10; ++row) {
        double y = baseline - 66 + row * 11;
        cairo_move_to(cr, 0, y), cairo_line_to(cr, w, y);
        for (double jx = (row % 2) * 12; jx < w; jx += 24)
            cairo_move_to(cr, jx, y), cairo_line_to(cr, jx, y + 11);
    }
    cairo_stroke(cr);
    gloss(cr, w * 0.35, baseline - 55, w * 0.4, 18, 0.35);
    cairo_restore(cr);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

// A gold medallion with a big "2", its rim scalloped like a seal.
Picture titleBadge() {
    const int s = 112;
    Canvas c(s, s);
    cairo_t* cr = c.cr();
    const double m = s / 2.0;
    starPath(cr, m, m, 54, 47, 20);
    litFill(cr, ink::kGold, 0, 0, s, s, 0.45, 0.25);
    outline(cr, 2);
    cairo_arc(cr, m, m, 40, 0, 2 * M_PI);
    litFill(cr, hexColour(0xE0533D), m - 40, m - 40, m + 40, m + 40, 0.3, 0.25);
    outline(cr, 2);
    cairo_arc(cr, m, m, 35, 0, 2 * M_PI);
    outline(cr, 1.5, withAlpha(ink::kGold, 0.9));
    textPath(cr, Face::kSerifBold, 58, m, m + 21, "2", 1);
    cairo_set_line_width(cr, 6);
    setColour(cr, ink::kOutline);
    cairo_stroke_preserve(cr);
    verticalFill(cr, hexColour(0xFFF5C8), hexColour(0xF2B93B), m - 22, m + 21);
    cairo_new_path(cr);
    gloss(cr, m - 14, m - 22, 26, 12, 0.4);
    return finish(c);
}

} // namespace

std::vector<Picture> drawLogos() {
    return {makerEmblem(), makerName(), makerSubtitle(), makerSparkles(), titleWordmark(), titleBadge()};
}

} // namespace bv::gen
