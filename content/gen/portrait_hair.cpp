// Hair styles (the part behind the head and the part over it) and hats of the portraits.
#include <cmath>
#include <vector>

#include "portrait.h"

namespace bv::gen::portrait {

void hairBack(cairo_t* cr, const Person& p) {
    Colour h = hexColour(p.hair);
    switch (p.style) {
    case Hair::kLong:
    case Hair::kWavy:
        cairo_move_to(cr, kCx - kRx - 7, kCy - 6);
        if (p.style == Hair::kWavy)
            cairo_curve_to(cr, kCx - kRx - 16, kCy + 20, kCx - kRx - 2, kCy + 30, kCx - kRx - 12, kCy + 48);
        else
            cairo_line_to(cr, kCx - kRx - 9, kCy + 46);
        cairo_curve_to(cr, kCx - 10, kCy + 54, kCx + 10, kCy + 54, kCx + kRx + 9, kCy + 46);
        if (p.style == Hair::kWavy)
            cairo_curve_to(cr, kCx + kRx + 2, kCy + 30, kCx + kRx + 16, kCy + 20, kCx + kRx + 7, kCy - 6);
        else
            cairo_line_to(cr, kCx + kRx + 7, kCy - 6);
        cairo_close_path(cr);
        litFill(cr, h, kCx - 30, kCy - 20, kCx + 30, kCy + 50, 0.2, 0.25);
        outline(cr, 1.6);
        break;
    case Hair::kBob:
        roundedRect(cr, kCx - kRx - 7, kCy - 22, 2 * kRx + 14, 48, 14);
        litFill(cr, h, kCx - 30, kCy - 20, kCx + 30, kCy + 26, 0.2, 0.25);
        outline(cr, 1.6);
        break;
    case Hair::kAfro:
        for (int i = 0; i < 14; ++i) {
            double a = i * M_PI / 7;
            cairo_new_sub_path(cr);
            cairo_arc(cr, kCx + 30 * std::cos(a), kCy - 8 + 30 * std::sin(a) * 0.9, 13, 0, 2 * M_PI);
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCx, kCy - 8, 32, 0, 2 * M_PI);
        setColour(cr, ink::kOutline);
        cairo_set_line_width(cr, 3.2);
        cairo_stroke_preserve(cr);
        litFill(cr, h, kCx - 40, kCy - 40, kCx + 40, kCy + 20, 0.2, 0.2);
        cairo_new_path(cr);
        break;
    case Hair::kPonytail:
        cairo_move_to(cr, kCx + kRx - 4, kCy - 18);
        cairo_curve_to(cr, kCx + kRx + 22, kCy - 14, kCx + kRx + 18, kCy + 22, kCx + kRx + 6, kCy + 34);
        cairo_curve_to(cr, kCx + kRx + 6, kCy + 14, kCx + kRx, kCy - 4, kCx + kRx - 8, kCy - 8);
        cairo_close_path(cr);
        litFill(cr, h, kCx, kCy - 20, kCx + 50, kCy + 34, 0.2, 0.25);
        outline(cr, 1.6);
        break;
    case Hair::kPigtails:
        for (int side : {-1, 1}) {
            ellipsePath(cr, kCx + side * (kRx + 10), kCy + 14, 8, 16);
            litFill(cr, h, kCx + side * 30 - 8, kCy, kCx + side * 30 + 8, kCy + 30, 0.2, 0.25);
            outline(cr, 1.6);
            cairo_arc(cr, kCx + side * (kRx + 5), kCy - 1, 3.5, 0, 2 * M_PI);
            fillAndOutline(cr, hexColour(0xF05A7E), 1);
        }
        break;
    case Hair::kBun:
        cairo_arc(cr, kCx, kCy - kRy - 8, 11, 0, 2 * M_PI);
        litFill(cr, h, kCx - 11, kCy - kRy - 19, kCx + 11, kCy - kRy + 3, 0.25, 0.2);
        outline(cr, 1.6);
        break;
    default:
        break;
    }
}

void hairFront(cairo_t* cr, const Person& p) {
    Colour h = hexColour(p.hair);
    auto cap = [&](double fringeLeft, double fringeMid, double fringeRight, double sideDrop) {
        cairo_move_to(cr, kCx - kRx - 2.5, kCy + sideDrop);
        cairo_curve_to(cr, kCx - kRx - 6, kCy - kRy - 8, kCx + kRx + 6, kCy - kRy - 8, kCx + kRx + 2.5,
                       kCy + sideDrop);
        cairo_curve_to(cr, kCx + kRx - 2, kCy + fringeRight, kCx + 8, kCy + fringeMid, kCx, kCy + fringeMid);
        cairo_curve_to(cr, kCx - 10, kCy + fringeMid, kCx - kRx + 2, kCy + fringeLeft, kCx - kRx - 2.5,
                       kCy + sideDrop);
        cairo_close_path(cr);
        litFill(cr, h, kCx - 30, kCy - 34, kCx + 30, kCy, 0.3, 0.2);
        outline(cr, 1.6);
        gloss(cr, kCx - 8, kCy - kRy + 3, 10, 4, 0.3);
    };
    switch (p.style) {
    case Hair::kLong:
        cap(-12, -20, -4, 6);
        break;
    case Hair::kWavy:
        cap(-6, -16, -14, 8);
        break;
    case Hair::kBob:
        cap(-14, -14, -14, 10);
        break;
    case Hair::kBun:
        cap(-16, -22, -12, -4);
        break;
    case Hair::kPonytail:
        cap(-14, -20, -16, -2);
        break;
    case Hair::kPigtails:
        cap(-12, -16, -12, 2);
        break;
    case Hair::kPixie:
        cap(-8, -14, -20, -6);
        break;
    case Hair::kSidePart:
        cap(-18, -20, -12, -8);
        break;
    case Hair::kSlick:
        cap(-20, -22, -20, -10);
        break;
    case Hair::kBuzz:
        cap(-21, -23, -21, -10);
        break;
    case Hair::kAfro:
        cap(-18, -20, -18, -6);
        break;
    case Hair::kCurlsShort:
    case Hair::kCurlyTop: {
        std::vector<std::pair<double, double>> curls;
        for (int i = 0; i < 9; ++i) {
            double a = M_PI + i * M_PI / 8;
            curls.push_back({kCx + (kRx + 1) * std::cos(a), kCy - 6 + (kRy - 2) * std::sin(a)});
        }
        curls.push_back({kCx - 8, kCy - kRy + 2});
        curls.push_back({kCx + 8, kCy - kRy + 2});
        setColour(cr, ink::kOutline);
        for (auto [x, y] : curls) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, 8.5, 0, 2 * M_PI);
        }
        cairo_fill(cr);
        for (auto [x, y] : curls) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, 7, 0, 2 * M_PI);
        }
        litFill(cr, h, kCx - 30, kCy - 36, kCx + 30, kCy, 0.3, 0.2);
        cairo_new_path(cr);
        break;
    }
    case Hair::kSpiky: {
        cairo_move_to(cr, kCx - kRx - 2, kCy - 6);
        for (int i = 0; i <= 8; ++i) {
            double t = i / 8.0, x = kCx - kRx - 2 + t * (2 * kRx + 4);
            double top = kCy - kRy - 2 - 8 * std::sin(t * M_PI);
            cairo_line_to(cr, x - 3, top + 8);
            cairo_line_to(cr, x, top - 5);
        }
        cairo_line_to(cr, kCx + kRx + 2, kCy - 6);
        cairo_curve_to(cr, kCx + 10, kCy - 20, kCx - 10, kCy - 18, kCx - kRx - 2, kCy - 6);
        cairo_close_path(cr);
        litFill(cr, h, kCx - 30, kCy - 44, kCx + 30, kCy, 0.3, 0.2);
        outline(cr, 1.6);
        break;
    }
    case Hair::kBald:
        for (int side : {-1, 1}) {
            ellipsePath(cr, kCx + side * (kRx - 1), kCy - 4, 5, 10);
            fillAndOutline(cr, h, 1.4);
        }
        gloss(cr, kCx - 6, kCy - kRy + 6, 9, 5, 0.5);
        break;
    case Hair::kNone:
        break;
    }
}

void hat(cairo_t* cr, const Person& p) {
    switch (p.hat) {
    case Hat::kNone:
        break;
    case Hat::kCap:
        cairo_move_to(cr, kCx - kRx - 4, kCy - 12);
        cairo_curve_to(cr, kCx - kRx, kCy - kRy - 14, kCx + kRx, kCy - kRy - 14, kCx + kRx + 4, kCy - 12);
        cairo_close_path(cr);
        litFill(cr, hexColour(0x6B7B5A), kCx - 30, kCy - 40, kCx + 30, kCy - 12, 0.25, 0.2);
        outline(cr, 1.6);
        polygon(cr, {kCx - kRx - 6, kCy - 12, kCx + kRx + 14, kCy - 14, kCx + kRx + 16, kCy - 9,
                     kCx - kRx - 6, kCy - 9});
        fillAndOutline(cr, hexColour(0x55633F), 1.4);
        break;
    case Hat::kBeret:
        ellipsePath(cr, kCx - 4, kCy - kRy + 2, kRx + 8, 11);
        litFill(cr, hexColour(0xD9352B), kCx - 34, kCy - 40, kCx + 30, kCy - 16, 0.3, 0.2);
        outline(cr, 1.6);
        cairo_move_to(cr, kCx - 4, kCy - kRy - 9), cairo_line_to(cr, kCx - 2, kCy - kRy - 14);
        outline(cr, 2);
        break;
    case Hat::kTopHat:
        roundedRect(cr, kCx - 17, kCy - kRy - 30, 34, 30, 3);
        litFill(cr, hexColour(0x34343C), kCx - 17, kCy - 60, kCx + 17, kCy - 20, 0.25, 0.2);
        outline(cr, 1.6);
        cairo_rectangle(cr, kCx - 17, kCy - kRy - 8, 34, 5);
        fillAndOutline(cr, hexColour(0xC0392B), 1.2);
        ellipsePath(cr, kCx, kCy - kRy - 1, 30, 5);
        fillAndOutline(cr, hexColour(0x34343C), 1.6);
        break;
    case Hat::kHardHat:
        cairo_arc(cr, kCx, kCy - 12, kRx + 3, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        litFill(cr, hexColour(0xF7C631), kCx - 28, kCy - 40, kCx + 28, kCy - 12, 0.4, 0.15);
        outline(cr, 1.6);
        roundedRect(cr, kCx - kRx - 8, kCy - 14, 2 * kRx + 16, 6, 3);
        fillAndOutline(cr, hexColour(0xE8A820), 1.4);
        break;
    case Hat::kCowboy:
        cairo_move_to(cr, kCx - 18, kCy - 16);
        cairo_curve_to(cr, kCx - 20, kCy - 50, kCx - 4, kCy - 44, kCx, kCy - 40);
        cairo_curve_to(cr, kCx + 4, kCy - 44, kCx + 20, kCy - 50, kCx + 18, kCy - 16);
        cairo_close_path(cr);
        litFill(cr, hexColour(0xB07A45), kCx - 20, kCy - 50, kCx + 20, kCy - 16, 0.3, 0.2);
        outline(cr, 1.6);
        cairo_move_to(cr, kCx - 40, kCy - 22);
        cairo_curve_to(cr, kCx - 20, kCy - 8, kCx + 20, kCy - 8, kCx + 40, kCy - 22);
        cairo_curve_to(cr, kCx + 20, kCy - 14, kCx - 20, kCy - 14, kCx - 40, kCy - 22);
        cairo_close_path(cr);
        fillAndOutline(cr, hexColour(0x9A6434), 1.6);
        break;
    }
}

} // namespace bv::gen::portrait
