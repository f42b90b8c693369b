// "bkgnd": the board's bottom panel and top bar, the game-done picture, the title screen, the
// set-up screen's avatar backdrop and the purchase announcement's avatar plate.
#include <cmath>

#include "town_art.h"
#include "ui.h"

namespace bv::gen {

void drawTitleScene(cairo_t* cr);
void drawGameDoneScene(cairo_t* cr);

namespace {

Picture topLeft(Canvas& c) {
    Picture p = c.picture();
    p.anchorTopLeft();
    return p;
}

void inset(cairo_t* cr, double x, double y, double w, double h) {
    roundedRect(cr, x, y, w, h, 8);
    setColour(cr, hexColour(0xEFDDB8));
    cairo_fill_preserve(cr);
    outline(cr, 1.2, hexColour(0xC9A66E));
    roundedRect(cr, x + 1.5, y + 1.5, w - 3, 4, 2); // inner shade along the top edge
    setColour(cr, withAlpha(hexColour(0xB58B52), 0.35));
    cairo_fill(cr);
}

Picture boardPanel() {
    Canvas c(800, 180);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 800, 180);
    verticalFill(cr, hexColour(0xF8EDD3), hexColour(0xEAD6AE), 0, 180);
    cairo_new_path(cr);
    inset(cr, 6, 16, 196, 158);
    inset(cr, 208, 16, 258, 158);
    inset(cr, 472, 16, 170, 158);
    inset(cr, 648, 16, 146, 158);
    // The wooden rail along the top, where the panel meets the town.
    cairo_rectangle(cr, 0, 0, 800, 9);
    verticalFill(cr, hexColour(0xC98A4B), hexColour(0x8A5A2B), 0, 9);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 9.5), cairo_line_to(cr, 800, 9.5);
    outline(cr, 1.5);
    cairo_move_to(cr, 0, 2), cairo_line_to(cr, 800, 2);
    outline(cr, 1, withAlpha(hexColour(0xF0C58A), 0.8));
    for (double x = 40; x < 800; x += 80) { // brass studs
        cairo_arc(cr, x, 5, 2, 0, 2 * M_PI);
        fillAndOutline(cr, ink::kGold, 0.8);
    }
    return topLeft(c);
}

Picture topBar() {
    Canvas c(800, 84);
    cairo_t* cr = c.cr();
    // Bar and the tab that holds the player's portrait and name.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0), cairo_line_to(cr, 800, 0), cairo_line_to(cr, 800, 44);
    cairo_line_to(cr, 112, 44);
    cairo_curve_to(cr, 104, 44, 104, 50, 104, 56);
    cairo_line_to(cr, 104, 72);
    cairo_arc(cr, 94, 72, 10, 0, M_PI / 2);
    cairo_line_to(cr, 0, 82);
    cairo_close_path(cr);
    verticalFill(cr, hexColour(0xC98A4B), hexColour(0x8A5A2B), 0, 82);
    outline(cr, 2);
    cairo_move_to(cr, 0, 2), cairo_line_to(cr, 800, 2);
    outline(cr, 1, withAlpha(hexColour(0xF0C58A), 0.8));
    // Cream plaques behind the cash, the level and the date.
    struct Plaque {
        double x0, x1;
    };
    for (Plaque p : {Plaque{96, 226}, Plaque{302, 448}, Plaque{466, 640}}) {
        roundedRect(cr, p.x0, 8, p.x1 - p.x0, 30, 9);
        verticalFill(cr, hexColour(0xFFF6DF), hexColour(0xEAD6AE), 8, 38);
        outline(cr, 1.4);
    }
    cairo_arc(cr, 52, 32, 29, 0, 2 * M_PI); // portrait ring
    litFill(cr, ink::kGold, 23, 3, 81, 61, 0.4, 0.2);
    outline(cr, 1.4);
    cairo_arc(cr, 52, 32, 25.5, 0, 2 * M_PI);
    verticalFill(cr, hexColour(0xD7EEFB), hexColour(0x86BEE3), 6, 58);
    outline(cr, 1);
    roundedRect(cr, 8, 62, 88, 16, 6); // name plate
    verticalFill(cr, hexColour(0xFFF6DF), hexColour(0xEAD6AE), 62, 78);
    outline(cr, 1.2);
    return topLeft(c);
}

Picture avatarBackdrop() {
    Canvas c(260, 190);
    cairo_t* cr = c.cr();
    const double cx = 130, cy = 60;
    roundedRect(cr, 4, 4, 252, 182, 18);
    verticalFill(cr, hexColour(0xFFF4D6), hexColour(0xF3DDA8), 4, 186);
    outline(cr, 2);
    cairo_save(cr);
    roundedRect(cr, 6, 6, 248, 178, 16);
    cairo_clip(cr);
    for (int i = 0; i < 24; ++i) { // sunburst
        double a0 = i * M_PI / 12, a1 = a0 + M_PI / 24;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 300 * std::cos(a0), cy + 300 * std::sin(a0));
        cairo_line_to(cr, cx + 300 * std::cos(a1), cy + 300 * std::sin(a1));
        cairo_close_path(cr);
    }
    setColour(cr, withAlpha(hexColour(0xF7C948), 0.3));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, 56, 0, 2 * M_PI);
    setColour(cr, withAlpha(ink::kWhite, 0.55));
    cairo_fill(cr);
    // Ribbon for the player's name.
    polygon(cr, {18, 158, 36, 150, 36, 180, 18, 172, 26, 165});
    polygon(cr, {242, 158, 224, 150, 224, 180, 242, 172, 234, 165});
    fillAndOutline(cr, darker(ink::kRed, 0.15), 1.4);
    roundedRect(cr, 32, 146, 196, 32, 5);
    litFill(cr, ink::kRed, 32, 146, 228, 178, 0.3, 0.15);
    outline(cr, 1.6);
    roundedRect(cr, 40, 150, 180, 24, 4);
    verticalFill(cr, hexColour(0xFFF6DF), hexColour(0xF3E2BE), 150, 174);
    outline(cr, 1);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture announcePlate() {
    Canvas c(60, 64);
    cairo_t* cr = c.cr();
    roundedRect(cr, 1.5, 1.5, 57, 61, 9);
    litFill(cr, ink::kGold, 0, 0, 60, 64, 0.45, 0.2);
    outline(cr, 1.6);
    roundedRect(cr, 5, 7, 50, 50, 6);
    verticalFill(cr, hexColour(0xD7EEFB), hexColour(0x86BEE3), 7, 57);
    outline(cr, 1);
    return topLeft(c);
}

} // namespace

std::vector<Picture> drawBackgrounds() {
    Canvas done(800, 600), title(800, 600);
    drawGameDoneScene(done.cr());
    drawTitleScene(title.cr());
    return {boardPanel(), topBar(), topLeft(done), topLeft(title), avatarBackdrop(), announcePlate()};
}

} // namespace bv::gen
