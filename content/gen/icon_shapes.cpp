// Shapes shared by several interface pictures: round buttons, arrows, coins and sign posts.
#include <cmath>

#include "ui.h"

namespace bv::gen {

void roundButton(cairo_t* cr, double cx, double cy, double d, Colour base) {
    double r = d / 2;
    cairo_arc(cr, cx + 1, cy + 1.5, r - 1, 0, 2 * M_PI); // soft shadow down-right
    setColour(cr, withAlpha(ink::kOutline, 0.35));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * M_PI);
    litFill(cr, base, cx - r, cy - r, cx + r * 0.6, cy + r, 0.35, 0.2);
    outline(cr, 1.6);
    gloss(cr, cx - r * 0.2, cy - r * 0.4, r * 0.65, r * 0.4, 0.6);
}

void arrowShape(cairo_t* cr, double cx, double cy, double len, double w) {
    double x0 = cx - len / 2, x1 = cx + len / 2, head = len * 0.45;
    polygon(cr, {x0, cy - w * 0.28, x1 - head, cy - w * 0.28, x1 - head, cy - w / 2, x1, cy, x1 - head,
                 cy + w / 2, x1 - head, cy + w * 0.28, x0, cy + w * 0.28});
}

void coinShape(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    litFill(cr, ink::kGold, cx - r, cy - r, cx + r, cy + r, 0.45, 0.15);
    outline(cr, std::max(1.0, r * 0.12), darker(ink::kGoldDark, 0.3));
    cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * M_PI);
    setColour(cr, withAlpha(ink::kGoldDark, 0.6));
    cairo_set_line_width(cr, std::max(0.8, r * 0.08));
    cairo_stroke(cr);
    setColour(cr, darker(ink::kGoldDark, 0.25));
    text(cr, Face::kSansBold, r * 1.25, cx, cy + r * 0.45, "$", 1);
}

void signPost(cairo_t* cr, double cx, double baseY, double swing, Colour board, const char* line1,
              const char* line2) {
    // Post and arm.
    double top = baseY - 44;
    cairo_rectangle(cr, cx - 2.5, top, 5, 44);
    litFill(cr, ink::kWood, cx - 3, top, cx + 3, top);
    outline(cr, 1.2);
    cairo_rectangle(cr, cx - 2.5, top, 17, 4);
    litFill(cr, ink::kWood, cx, top, cx, top + 4);
    outline(cr, 1.2);
    // The board hangs from two hooks at the arm's end and swings about them.
    cairo_save(cr);
    cairo_translate(cr, cx + 8, top + 4);
    cairo_rotate(cr, swing * M_PI / 180);
    setColour(cr, ink::kOutline);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, -8, 0), cairo_line_to(cr, -8, 4);
    cairo_move_to(cr, 8, 0), cairo_line_to(cr, 8, 4);
    cairo_stroke(cr);
    roundedRect(cr, -17, 4, 34, 20, 3);
    litFill(cr, board, -17, 4, 17, 24, 0.25, 0.15);
    outline(cr, 1.4);
    setColour(cr, ink::kWhite);
    text(cr, Face::kSansCondensedBold, 8, 0, 12.5, line1, 1);
    text(cr, Face::kSansCondensedBold, 8, 0, 21, line2, 1);
    cairo_restore(cr);
    // Grass tuft at the foot.
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, cx + i * 2.2, baseY);
        cairo_line_to(cr, cx + i * 3.2, baseY - 4 - (i % 2 ? 0 : 1.5));
    }
    setColour(cr, ink::kLeaf);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

} // namespace bv::gen
