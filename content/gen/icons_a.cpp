// "icons" 0..31: signs, arrows, check boxes, stars, portrait plates, faces and the gauge.
#include <cmath>

#include "ui.h"

namespace bv::gen {

namespace {

Picture forSaleSign(int frame) {
    static const double kSwing[5] = {-7, -3, 2, -3, -7}; // shown 0,1,2,3,4,1,2,3: a gentle sway
    Canvas c(44, 50);
    signPost(c.cr(), 14, 49, kSwing[frame], ink::kRed, "FOR", "SALE");
    Picture p = c.picture();
    p.xOffset = -14, p.yOffset = -50; // the post stands on the anchor
    return p;
}

Picture arrowButton(bool right) {
    Canvas c(30, 30);
    cairo_t* cr = c.cr();
    roundButton(cr, 15, 15, 28, ink::kOrange);
    cairo_save(cr);
    if (!right) {
        cairo_translate(cr, 30, 0);
        cairo_scale(cr, -1, 1);
    }
    arrowShape(cr, 15.5, 15, 15, 13);
    fillAndOutline(cr, ink::kWhite, 1.3);
    cairo_restore(cr);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture checkBox(bool set, int size, Colour frame) {
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    roundedRect(cr, 1.5, 1.5, size - 3, size - 3, 4);
    litFill(cr, ink::kCream, 0, 0, size, size, 0.6, 0.08);
    outline(cr, 1.6, frame);
    if (set) {
        double s = size / 22.0;
        cairo_move_to(cr, 5 * s, 11.5 * s);
        cairo_line_to(cr, 9.5 * s, 16 * s);
        cairo_line_to(cr, 18 * s, 4.5 * s);
        cairo_set_line_width(cr, 4.2 * s);
        setColour(cr, ink::kOutline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.4 * s);
        setColour(cr, hexColour(0x4DB84A));
        cairo_stroke(cr);
    }
    return c.picture();
}

Picture gearButton() {
    Canvas c(44, 44);
    cairo_t* cr = c.cr();
    roundButton(cr, 22, 22, 42, hexColour(0x4F8FD8));
    starPath(cr, 22, 22, 13, 10.5, 8, M_PI / 16);
    fillAndOutline(cr, ink::kCream, 1.3);
    cairo_arc(cr, 22, 22, 4.2, 0, 2 * M_PI);
    fillAndOutline(cr, hexColour(0x4F8FD8), 1.3);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture avatarBacking() {
    Canvas c(128, 128);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 64, 64, 62, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(48, 40, 6, 64, 64, 64);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.72, 0.90);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    outline(cr, 2.5);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture avatarOverlay() {
    Canvas c(128, 128);
    cairo_t* cr = c.cr();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 64, 64, 63, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 64, 64, 55, 0, 2 * M_PI);
    litFill(cr, ink::kGold, 0, 0, 128, 128, 0.5, 0.25);
    outline(cr, 1.6);
    for (int i = 0; i < 4; ++i) { // little studs on the ring
        double a = M_PI / 4 + i * M_PI / 2;
        cairo_arc(cr, 64 + 59 * std::cos(a), 64 + 59 * std::sin(a), 2.6, 0, 2 * M_PI);
        fillAndOutline(cr, lighter(ink::kGold, 0.5), 1);
    }
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture priceArrow(bool up) {
    Canvas c(26, 22);
    cairo_t* cr = c.cr();
    roundedRect(cr, 1.5, 1.5, 23, 19, 6);
    litFill(cr, ink::kOrange, 0, 0, 26, 22, 0.35, 0.2);
    outline(cr, 1.5);
    gloss(cr, 10, 6, 9, 4, 0.5);
    if (up)
        polygon(cr, {13, 5.5, 20, 15, 6, 15});
    else
        polygon(cr, {13, 16.5, 20, 7, 6, 7});
    fillAndOutline(cr, ink::kWhite, 1.2);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture star(bool full) {
    Canvas c(14, 14);
    cairo_t* cr = c.cr();
    starPath(cr, 7, 7.6, 6.4, 2.8, 5);
    if (full)
        litFill(cr, ink::kGold, 0, 0, 14, 14, 0.5, 0.15);
    else
        litFill(cr, hexColour(0xE9DFC9), 0, 0, 14, 14, 0.3, 0.1);
    outline(cr, 1.1, full ? darker(ink::kGoldDark, 0.3) : hexColour(0x9C8F78));
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture rivalFrame() {
    Canvas c(58, 58);
    cairo_t* cr = c.cr();
    roundedRect(cr, 1.5, 1.5, 55, 55, 9);
    litFill(cr, ink::kGold, 0, 0, 58, 58, 0.45, 0.2);
    outline(cr, 1.6);
    roundedRect(cr, 5, 5, 48, 48, 6);
    verticalFill(cr, hexColour(0xD7EEFB), hexColour(0x86BEE3), 5, 53);
    outline(cr, 1, darker(ink::kGoldDark, 0.2));
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture goalCheck() {
    Canvas c(20, 18);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 3, 9.5), cairo_line_to(cr, 8, 14.5), cairo_line_to(cr, 17.5, 3.5);
    cairo_set_line_width(cr, 5);
    setColour(cr, ink::kOutline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    setColour(cr, hexColour(0x56C24E));
    cairo_stroke(cr);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

// Tutorial pointer: a fat orange arrow with a white rim, tilted toward its target; anchored on
// its tip so that it can stand 10 px beside the target, mirrored or not.
Picture pointer(double tiltDegrees) {
    Canvas c(56, 44);
    cairo_t* cr = c.cr();
    const double tipX = 53, tipY = 22;
    cairo_translate(cr, tipX, tipY);
    cairo_rotate(cr, tiltDegrees * M_PI / 180);
    arrowShape(cr, -24, 0, 46, 26);
    cairo_set_line_width(cr, 5);
    setColour(cr, ink::kWhite);
    cairo_stroke_preserve(cr);
    litFill(cr, ink::kOrange, -46, -13, 0, 13, 0.3, 0.2);
    outline(cr, 1.8);
    Picture p = c.picture();
    p.xOffset = -int(tipX), p.yOffset = -int(tipY);
    return p;
}

Picture radio(bool on) {
    Canvas c(18, 18);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 9, 9, 7.5, 0, 2 * M_PI);
    litFill(cr, hexColour(0xE8F1FB), 0, 0, 18, 18, 0.5, 0.1);
    outline(cr, 1.4, hexColour(0x214276));
    if (on) {
        cairo_arc(cr, 9, 9, 4, 0, 2 * M_PI);
        litFill(cr, hexColour(0x3F68A0), 5, 5, 13, 13, 0.4, 0.2);
        cairo_new_path(cr);
    }
    return c.picture();
}

Picture labelHandle() {
    Canvas c(16, 16);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 8, 8, 6.5, 0, 2 * M_PI);
    fillAndOutline(cr, hexColour(0xF7C948), 1.4);
    setColour(cr, ink::kOutline);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 8, 4), cairo_line_to(cr, 8, 12);
    cairo_move_to(cr, 4, 8), cairo_line_to(cr, 12, 8);
    cairo_stroke(cr);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture houseSymbol() {
    Canvas c(26, 24);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 5, 11, 16, 11);
    litFill(cr, ink::kCream, 5, 11, 21, 22);
    outline(cr, 1.3);
    polygon(cr, {2, 12, 13, 2.5, 24, 12});
    fillAndOutline(cr, ink::kRed, 1.3);
    cairo_rectangle(cr, 11, 15, 5, 7);
    fillAndOutline(cr, ink::kWood, 1);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture face(int mood) {
    static const uint32_t kColour[3] = {0x8FD66A, 0xF7D34A, 0xF0884A};
    Canvas c(22, 22);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 11, 11, 9.6, 0, 2 * M_PI);
    litFill(cr, hexColour(kColour[mood]), 2, 2, 20, 20, 0.4, 0.15);
    outline(cr, 1.4);
    setColour(cr, ink::kOutline);
    ellipsePath(cr, 7.8, 9, 1.3, 1.8);
    ellipsePath(cr, 14.2, 9, 1.3, 1.8);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.5);
    if (mood == 0)
        cairo_arc(cr, 11, 11.5, 5, 0.2 * M_PI, 0.8 * M_PI);
    else if (mood == 1)
        cairo_move_to(cr, 7, 15), cairo_line_to(cr, 15, 15);
    else
        cairo_arc_negative(cr, 11, 19.5, 5, -0.2 * M_PI, -0.8 * M_PI);
    cairo_stroke(cr);
    if (mood == 2) { // cross brows
        cairo_move_to(cr, 5.5, 5.5), cairo_line_to(cr, 9, 7);
        cairo_move_to(cr, 16.5, 5.5), cairo_line_to(cr, 13, 7);
        cairo_stroke(cr);
    }
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture priceReduced() {
    Canvas c(36, 30);
    cairo_t* cr = c.cr();
    polygon(cr, {3, 8, 10, 2, 33, 2, 33, 24, 10, 24, 3, 18});
    litFill(cr, ink::kRed, 3, 2, 33, 24, 0.3, 0.15);
    outline(cr, 1.5);
    cairo_arc(cr, 9, 13, 2, 0, 2 * M_PI);
    fillAndOutline(cr, ink::kCream, 1);
    setColour(cr, ink::kWhite);
    text(cr, Face::kSansBold, 13, 21, 18, "$", 1);
    cairo_save(cr);
    cairo_translate(cr, 29, 21);
    cairo_rotate(cr, M_PI / 2);
    arrowShape(cr, 0, 0, 14, 11);
    cairo_restore(cr);
    fillAndOutline(cr, ink::kGold, 1.3);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture infoMark() {
    Canvas c(14, 14);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 7, 7, 6, 0, 2 * M_PI);
    litFill(cr, hexColour(0x3C8DDB), 1, 1, 13, 13, 0.35, 0.2);
    outline(cr, 1.1);
    setColour(cr, ink::kWhite);
    cairo_arc(cr, 7, 4.2, 1.1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, 6.1, 6, 1.8, 4.6);
    cairo_fill(cr);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

// The credit gauge: a half dial from red (left) through yellow to green (right); the game draws
// a white needle of radius 30 from the pivot.
Picture gaugeDial() {
    const double px = 40, py = 40;
    Canvas c(80, 46);
    cairo_t* cr = c.cr();
    cairo_arc(cr, px, py, 38, M_PI, 2 * M_PI);
    cairo_line_to(cr, px + 38, py + 4);
    cairo_line_to(cr, px - 38, py + 4);
    cairo_close_path(cr);
    litFill(cr, hexColour(0x3B4656), 0, 0, 80, 46, 0.2, 0.2);
    outline(cr, 1.6);
    const int kSegments = 9;
    for (int i = 0; i < kSegments; ++i) {
        double a0 = M_PI + i * M_PI / kSegments + 0.03, a1 = M_PI + (i + 1) * M_PI / kSegments - 0.03;
        double t = double(i) / (kSegments - 1);
        Colour col = t < 0.5 ? mix(hexColour(0xE8523C), hexColour(0xF7D34A), t * 2)
                             : mix(hexColour(0xF7D34A), hexColour(0x5CC65A), (t - 0.5) * 2);
        cairo_arc(cr, px, py, 34, a0, a1);
        cairo_arc_negative(cr, px, py, 25, a1, a0);
        cairo_close_path(cr);
        setColour(cr, col);
        cairo_fill(cr);
    }
    cairo_arc(cr, px, py, 4, 0, 2 * M_PI);
    fillAndOutline(cr, ink::kGold, 1.2);
    Picture p = c.picture();
    p.xOffset = -int(px), p.yOffset = -int(py);
    return p;
}

} // namespace

Picture iconFirstHalf(int i) {
    if (i <= 4) return forSaleSign(i);
    switch (i) {
    case 5:
        return arrowButton(false);
    case 6:
        return arrowButton(true);
    case 7:
        return checkBox(false, 22, ink::kOutline);
    case 8:
        return checkBox(true, 22, ink::kOutline);
    case 9:
        return gearButton();
    case 10:
        return avatarBacking();
    case 11:
        return avatarOverlay();
    case 12:
        return priceArrow(true);
    case 13:
        return priceArrow(false);
    case 14:
        return star(true);
    case 15:
        return star(false);
    case 16:
        return rivalFrame();
    case 17:
        return goalCheck();
    case 18:
        return pointer(-18);
    case 19:
        return pointer(18);
    case 20:
        return radio(false);
    case 21:
        return radio(true);
    case 22:
        return checkBox(false, 18, hexColour(0x214276));
    case 23:
        return checkBox(true, 18, hexColour(0x214276));
    case 24:
        return labelHandle();
    case 25:
        return houseSymbol();
    case 26:
    case 27:
    case 28:
        return face(i - 26);
    case 29:
        return priceReduced();
    case 30:
        return infoMark();
    case 31:
        return gaugeDial();
    default:
        die("no icon %d in the first half", i);
    }
}

} // namespace bv::gen
