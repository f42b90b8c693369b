// "icons" 32..63: status pictures that float over houses, spare symbols, the nine panel-frame
// pieces, the button pieces and the house markers.
#include <cmath>

#include "ui.h"

namespace bv::gen {

namespace {

Picture centred(Canvas& c) {
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

Picture browseArrow() {
    Canvas c(28, 28);
    roundButton(c.cr(), 14, 14, 26, hexColour(0x46A9B8));
    cairo_save(c.cr());
    cairo_translate(c.cr(), 28, 0);
    cairo_scale(c.cr(), -1, 1); // points left
    arrowShape(c.cr(), 14.5, 14, 14, 12);
    fillAndOutline(c.cr(), ink::kWhite, 1.2);
    cairo_restore(c.cr());
    return centred(c);
}

Picture workStarted() {
    Canvas c(34, 34);
    cairo_t* cr = c.cr();
    // Hard hat.
    cairo_arc(cr, 15, 20, 11, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    litFill(cr, hexColour(0xF7C631), 4, 9, 26, 20, 0.4, 0.15);
    outline(cr, 1.4);
    roundedRect(cr, 1.5, 19, 27, 4.5, 2);
    fillAndOutline(cr, hexColour(0xE8A820), 1.3);
    cairo_rectangle(cr, 13, 9.5, 4, 10);
    setColour(cr, withAlpha(ink::kWhite, 0.5));
    cairo_fill(cr);
    // Hammer across the front.
    cairo_save(cr);
    cairo_translate(cr, 24, 24);
    cairo_rotate(cr, -0.7);
    roundedRect(cr, -1.8, -2, 3.6, 13, 1.5);
    fillAndOutline(cr, ink::kWood, 1.2);
    roundedRect(cr, -6, -5, 12, 5, 1.5);
    fillAndOutline(cr, ink::kGrey, 1.2);
    cairo_restore(cr);
    return centred(c);
}

Picture renterLeaves() {
    Canvas c(34, 34);
    cairo_t* cr = c.cr();
    roundedRect(cr, 11, 6, 8, 6, 2);
    outline(cr, 2.4);
    roundedRect(cr, 3.5, 10, 23, 18, 3);
    litFill(cr, hexColour(0xB5651D), 3, 10, 26, 28, 0.3, 0.2);
    outline(cr, 1.5);
    cairo_rectangle(cr, 3.5, 17, 23, 3);
    fillAndOutline(cr, hexColour(0x7A3F12), 1);
    arrowShape(cr, 26, 26, 13, 10);
    fillAndOutline(cr, ink::kOrange, 1.3);
    return centred(c);
}

Picture rentCollected() {
    Canvas c(34, 34);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 11, 8);
    cairo_curve_to(cr, 2, 14, 3, 31, 16, 31);
    cairo_curve_to(cr, 29, 31, 30, 14, 21, 8);
    cairo_close_path(cr);
    litFill(cr, hexColour(0x6CC04A), 3, 8, 29, 31, 0.35, 0.2);
    outline(cr, 1.5);
    polygon(cr, {10, 3, 22, 3, 19, 8.5, 13, 8.5});
    fillAndOutline(cr, hexColour(0x6CC04A), 1.3);
    cairo_move_to(cr, 11, 9), cairo_line_to(cr, 21, 9);
    outline(cr, 2, hexColour(0xC98A12));
    setColour(cr, ink::kWhite);
    text(cr, Face::kSansBold, 13, 16, 25, "$", 1);
    starPath(cr, 28, 7, 5, 2, 4);
    fillAndOutline(cr, ink::kGold, 1);
    return centred(c);
}

Picture renovation() {
    Canvas c(34, 34);
    cairo_t* cr = c.cr();
    // Paint roller: a sky-blue stripe it has just painted, the roller and its handle.
    roundedRect(cr, 2, 4, 9, 26, 3);
    setColour(cr, hexColour(0x7EC8F0));
    cairo_fill(cr);
    roundedRect(cr, 6, 3, 22, 9, 3);
    litFill(cr, hexColour(0x7EC8F0), 6, 3, 28, 12, 0.35, 0.2);
    outline(cr, 1.4);
    cairo_move_to(cr, 28, 7.5), cairo_line_to(cr, 31, 7.5), cairo_line_to(cr, 31, 16);
    cairo_line_to(cr, 18, 18), cairo_line_to(cr, 18, 22);
    outline(cr, 1.8);
    roundedRect(cr, 15.5, 21, 5, 11, 2);
    fillAndOutline(cr, ink::kRed, 1.3);
    starPath(cr, 6, 24, 4.5, 1.8, 4);
    fillAndOutline(cr, ink::kWhite, 0.8);
    return centred(c);
}

Picture paymentMade() {
    Canvas c(34, 30);
    cairo_t* cr = c.cr();
    roundedRect(cr, 2, 6, 28, 17, 2);
    litFill(cr, hexColour(0x9BD37F), 2, 6, 30, 23, 0.3, 0.15);
    outline(cr, 1.4);
    cairo_arc(cr, 16, 14.5, 5, 0, 2 * M_PI);
    outline(cr, 1, darker(hexColour(0x9BD37F), 0.4));
    setColour(cr, darker(hexColour(0x9BD37F), 0.45));
    text(cr, Face::kSansBold, 8, 16, 17.5, "$", 1);
    cairo_save(cr);
    cairo_translate(cr, 20, 19);
    cairo_rotate(cr, -0.25);
    roundedRect(cr, -11, -5, 22, 10, 2);
    setColour(cr, withAlpha(hexColour(0xE0533D), 0.9));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    setColour(cr, hexColour(0xE0533D));
    text(cr, Face::kSansBold, 7.5, 0, 2.8, "PAID", 1);
    cairo_restore(cr);
    return centred(c);
}

Picture movingTruck() {
    Canvas c(38, 28);
    cairo_t* cr = c.cr();
    roundedRect(cr, 2, 4, 22, 16, 2);
    litFill(cr, ink::kCream, 2, 4, 24, 20, 0.4, 0.1);
    outline(cr, 1.4);
    cairo_move_to(cr, 24, 9), cairo_line_to(cr, 31, 9), cairo_line_to(cr, 36, 14.5);
    cairo_line_to(cr, 36, 20), cairo_line_to(cr, 24, 20), cairo_close_path(cr);
    litFill(cr, ink::kOrange, 24, 9, 36, 20, 0.3, 0.15);
    outline(cr, 1.4);
    polygon(cr, {26.5, 11, 30.5, 11, 33.5, 14.5, 26.5, 14.5});
    fillAndOutline(cr, hexColour(0xBFE6F7), 1);
    for (double x : {9.0, 30.0}) {
        cairo_arc(cr, x, 21, 4, 0, 2 * M_PI);
        fillAndOutline(cr, hexColour(0x454545), 1.3);
        cairo_arc(cr, x, 21, 1.5, 0, 2 * M_PI);
        setColour(cr, ink::kGrey);
        cairo_fill(cr);
    }
    setColour(cr, ink::kOrange);
    text(cr, Face::kSansBold, 7, 13, 15, "MOVE", 1);
    return centred(c);
}

Picture coin() {
    Canvas c(18, 18);
    coinShape(c.cr(), 9, 9, 7.8);
    return centred(c);
}

Picture calendar() {
    Canvas c(30, 30);
    cairo_t* cr = c.cr();
    roundedRect(cr, 3, 5, 24, 22, 3);
    litFill(cr, ink::kCream, 3, 5, 27, 27, 0.5, 0.08);
    outline(cr, 1.4);
    roundedRect(cr, 3, 5, 24, 7, 3);
    fillAndOutline(cr, ink::kRed, 1.4);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            cairo_rectangle(cr, 6 + j * 5, 14.5 + i * 4, 3, 2.5);
            setColour(cr, i == 1 && j == 2 ? ink::kRed : hexColour(0x9C8F78));
            cairo_fill(cr);
        }
    for (double x : {9.0, 21.0}) {
        roundedRect(cr, x - 1.3, 2, 2.6, 6, 1.2);
        fillAndOutline(cr, ink::kGrey, 1);
    }
    return centred(c);
}

Picture keyIcon() {
    Canvas c(30, 30);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, 15, 15);
    cairo_rotate(cr, -0.6);
    cairo_arc(cr, -7, 0, 6.5, 0, 2 * M_PI);
    cairo_arc_negative(cr, -8.5, 0, 2.2, 2 * M_PI, 0);
    litFill(cr, ink::kGold, -13, -6, -1, 6, 0.45, 0.15);
    outline(cr, 1.4);
    polygon(cr, {-1, -2, 13, -2, 13, 4, 10.5, 4, 10.5, 2, 8, 2, 8, 5, 5.5, 5, 5.5, 2, -1, 2});
    litFill(cr, ink::kGold, -1, -2, 13, 5, 0.45, 0.15);
    outline(cr, 1.3);
    cairo_restore(cr);
    return centred(c);
}

Picture padlock() {
    Canvas c(26, 30);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 13, 12, 6.5, M_PI, 2 * M_PI);
    cairo_line_to(cr, 19.5, 14);
    cairo_move_to(cr, 6.5, 14), cairo_line_to(cr, 6.5, 12);
    cairo_set_line_width(cr, 4.5);
    setColour(cr, ink::kOutline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    setColour(cr, ink::kGrey);
    cairo_stroke(cr);
    roundedRect(cr, 4, 13, 18, 14, 3);
    litFill(cr, ink::kGold, 4, 13, 22, 27, 0.45, 0.15);
    outline(cr, 1.4);
    cairo_arc(cr, 13, 19, 2, 0, 2 * M_PI);
    cairo_rectangle(cr, 12.2, 19, 1.6, 4.5);
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
    return centred(c);
}

Picture trophy() {
    Canvas c(30, 32);
    cairo_t* cr = c.cr();
    for (int side : {-1, 1}) {
        cairo_arc(cr, 15 + side * 9.5, 10, 4, 0, 2 * M_PI);
        outline(cr, 3.6);
        cairo_arc(cr, 15 + side * 9.5, 10, 4, 0, 2 * M_PI);
        outline(cr, 1.8, ink::kGold);
    }
    cairo_move_to(cr, 7, 3);
    cairo_line_to(cr, 23, 3);
    cairo_curve_to(cr, 23, 14, 20, 19, 15, 19);
    cairo_curve_to(cr, 10, 19, 7, 14, 7, 3);
    cairo_close_path(cr);
    litFill(cr, ink::kGold, 7, 3, 23, 19, 0.5, 0.15);
    outline(cr, 1.4);
    cairo_rectangle(cr, 13, 19, 4, 5);
    fillAndOutline(cr, ink::kGoldDark, 1.2);
    roundedRect(cr, 8, 24, 14, 6, 1.5);
    fillAndOutline(cr, ink::kWood, 1.3);
    starPath(cr, 15, 10, 4, 1.8, 5);
    setColour(cr, ink::kWhite);
    cairo_fill(cr);
    return centred(c);
}

Picture piggyBank() {
    Canvas c(34, 28);
    cairo_t* cr = c.cr();
    Colour pink = hexColour(0xF4A3B8);
    for (double x : {10.0, 22.0}) {
        cairo_rectangle(cr, x - 2.5, 19, 5, 6);
        fillAndOutline(cr, darker(pink, 0.1), 1.2);
    }
    ellipsePath(cr, 16, 15, 12, 9);
    litFill(cr, pink, 4, 6, 28, 24, 0.35, 0.12);
    outline(cr, 1.4);
    polygon(cr, {9, 8, 11, 2, 15, 7});
    fillAndOutline(cr, pink, 1.2);
    ellipsePath(cr, 28, 15, 3.5, 3);
    fillAndOutline(cr, darker(pink, 0.08), 1.2);
    setColour(cr, ink::kOutline);
    cairo_arc(cr, 22, 12, 1.1, 0, 2 * M_PI);
    cairo_fill(cr);
    roundedRect(cr, 13, 6.2, 7, 2, 1);
    cairo_fill(cr);
    coinShape(cr, 16.5, 3.5, 3.4);
    return centred(c);
}

Picture soldStamp() {
    Canvas c(48, 26);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 24, 13);
    cairo_rotate(cr, -0.15);
    roundedRect(cr, -21, -9, 42, 18, 3);
    litFill(cr, ink::kRed, -21, -9, 21, 9, 0.3, 0.15);
    outline(cr, 1.5);
    roundedRect(cr, -18.5, -6.5, 37, 13, 2);
    outline(cr, 1, ink::kWhite);
    setColour(cr, ink::kWhite);
    text(cr, Face::kSansBold, 10, 0, 3.6, "SOLD", 1);
    return centred(c);
}

Picture rentedMarker() {
    Canvas c(22, 28);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 6, 27), cairo_line_to(cr, 6, 3);
    outline(cr, 2.2, ink::kWoodDark);
    polygon(cr, {6.5, 3, 20, 7.5, 6.5, 12});
    litFill(cr, hexColour(0x5CC65A), 6, 3, 20, 12, 0.3, 0.15);
    outline(cr, 1.2);
    cairo_arc(cr, 6, 3, 1.8, 0, 2 * M_PI);
    fillAndOutline(cr, ink::kGold, 1);
    Picture p = c.picture();
    p.xOffset = -6, p.yOffset = -28;
    return p;
}

Picture forRentSign() {
    Canvas c(44, 50);
    signPost(c.cr(), 14, 49, -3, hexColour(0x3A7DC9), "FOR", "RENT");
    Picture p = c.picture();
    p.xOffset = -14, p.yOffset = -50;
    return p;
}

Picture arrears(int missed) {
    static const uint32_t kColour[3] = {0xF2A33A, 0xEA6A36, 0xD9352B};
    Canvas c(34, 34);
    cairo_t* cr = c.cr();
    roundedRect(cr, 3, 8, 24, 17, 2);
    litFill(cr, ink::kCream, 3, 8, 27, 25, 0.5, 0.08);
    outline(cr, 1.4);
    cairo_move_to(cr, 3.5, 9), cairo_line_to(cr, 15, 18), cairo_line_to(cr, 26.5, 9);
    outline(cr, 1.2);
    cairo_arc(cr, 25, 9, 7.5, 0, 2 * M_PI);
    litFill(cr, hexColour(kColour[missed - 1]), 17, 1, 33, 17, 0.3, 0.2);
    outline(cr, 1.4);
    setColour(cr, ink::kWhite);
    text(cr, Face::kSansBold, 11, 25, 13, std::to_string(missed), 1);
    if (missed == 3) {
        polygon(cr, {5, 33, 10, 26, 15, 33});
        fillAndOutline(cr, ink::kGold, 1.1);
        setColour(cr, ink::kOutline);
        text(cr, Face::kSansBold, 6, 10, 32.3, "!", 1);
    }
    return centred(c);
}

} // namespace

Picture iconSecondHalf(int i) {
    static std::vector<Picture> frame = framePieces();
    static std::vector<Picture> button = buttonPieces();
    if (i >= 45 && i <= 53) return frame[size_t(i - 45)];
    if (i >= 55 && i <= 57) return button[size_t(i - 55)];
    if (i >= 61 && i <= 63) return arrears(i - 60);
    switch (i) {
    case 32:
        return browseArrow();
    case 33:
        return workStarted();
    case 34:
        return renterLeaves();
    case 35:
        return rentCollected();
    case 36:
        return renovation();
    case 37:
        return paymentMade();
    case 38:
        return movingTruck();
    case 39:
        return coin();
    case 40:
        return calendar();
    case 41:
        return keyIcon();
    case 42:
        return padlock();
    case 43:
        return trophy();
    case 44:
        return piggyBank();
    case 54:
        return titleBanner();
    case 58:
        return soldStamp();
    case 59:
        return rentedMarker();
    case 60:
        return forRentSign();
    default:
        die("no icon %d in the second half", i);
    }
}

std::vector<Picture> drawIcons() {
    std::vector<Picture> icons;
    for (int i = 0; i < 64; ++i) icons.push_back(i < 32 ? iconFirstHalf(i) : iconSecondHalf(i));
    return icons;
}

} // namespace bv::gen
