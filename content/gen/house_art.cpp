// Houses drawn from a few parameters in a slight top-down oblique view: the front wall faces the
// viewer, the right side wall recedes up and to the right (in shade: the light comes from the
// upper left), roofs in five shapes, windows, doors, porches and the odd turret or portico.
#include <cmath>

#include "town_art.h"

namespace bv::gen {

namespace {

struct Frame {
    double L, R, T, B, W, H, dx, dy, cx;
};

// A path in the side wall's plane: u runs 0..1 from the front corner to the back, v is the
// height above the ground in pixels.
void sideQuad(cairo_t* cr, const Frame& f, double u0, double v0, double u1, double v1) {
    auto pt = [&](double u, double v) {
        return std::pair<double, double>{f.R + u * f.dx, f.B + u * f.dy - v};
    };
    auto [ax, ay] = pt(u0, v0);
    auto [bx, by] = pt(u1, v0);
    auto [cx, cy] = pt(u1, v1);
    auto [dx, dy] = pt(u0, v1);
    polygon(cr, {ax, ay, bx, by, cx, cy, dx, dy});
}

void window(cairo_t* cr, const HouseStyle& s, double x, double y, double w, double h, bool box) {
    if (s.shutters) {
        for (double sx : {x - w * 0.45 - 1, x + w + 1}) {
            cairo_rectangle(cr, sx, y, w * 0.45, h);
            fillAndOutline(cr, s.shutter, 1);
        }
    }
    cairo_rectangle(cr, x - 1, y - 1, w + 2, h + 2);
    fillAndOutline(cr, s.trim, 1.1);
    cairo_rectangle(cr, x + 1, y + 1, w - 2, h - 2);
    cairo_pattern_t* glass = cairo_pattern_create_linear(x, y, x + w, y + h);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.80, 0.93, 0.99);
    cairo_pattern_add_color_stop_rgb(glass, 0.55, 0.45, 0.70, 0.88);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.33, 0.52, 0.72);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    setColour(cr, s.trim);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x + w / 2, y + 1), cairo_line_to(cr, x + w / 2, y + h - 1);
    cairo_move_to(cr, x + 1, y + h * 0.45), cairo_line_to(cr, x + w - 1, y + h * 0.45);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 2, y + h, w + 4, 2);
    fillAndOutline(cr, s.trim, 0.8);
    if (box) {
        cairo_rectangle(cr, x - 1, y + h + 2, w + 2, 3.5);
        fillAndOutline(cr, hexColour(0x9A6434), 0.8);
        for (int i = 0; i < int(w / 3); ++i) {
            cairo_arc(cr, x + 1 + i * 3, y + h + 1.5, 1.3, 0, 2 * M_PI);
            setColour(cr, i % 2 ? hexColour(0xF05A7E) : hexColour(0xFFD34D));
            cairo_fill(cr);
        }
    }
}

void door(cairo_t* cr, const HouseStyle& s, double x, double groundY, double w, double h) {
    cairo_rectangle(cr, x - w / 2 - 3, groundY - 2.5, w + 6, 2.5); // step
    fillAndOutline(cr, hexColour(0xC9C2B5), 1);
    double top = groundY - 2.5 - h;
    cairo_rectangle(cr, x - w / 2 - 1.5, top - 1.5, w + 3, h + 1.5);
    fillAndOutline(cr, s.trim, 1);
    cairo_rectangle(cr, x - w / 2, top, w, h);
    litFill(cr, s.door, x - w / 2, top, x + w / 2, top + h, 0.25, 0.2);
    outline(cr, 1);
    cairo_rectangle(cr, x - w / 2 + 2, top + 2, w - 4, h * 0.35);
    outline(cr, 0.8, darker(s.door, 0.35));
    cairo_arc(cr, x + w / 2 - 2.5, top + h * 0.55, 1, 0, 2 * M_PI);
    setColour(cr, ink::kGold);
    cairo_fill(cr);
}

void porch(cairo_t* cr, const HouseStyle& s, double x, double groundY, double w, double h) {
    double top = groundY - h - 6;
    for (double px : {x - w / 2 - 4, x + w / 2 + 2}) {
        cairo_rectangle(cr, px, top, 2.5, h + 6);
        fillAndOutline(cr, s.trim, 0.9);
    }
    polygon(cr,
            {x - w / 2 - 9, top + 1, x + w / 2 + 9, top + 1, x + w / 2 + 5, top - 5, x - w / 2 - 5, top - 5});
    litFill(cr, s.roofColour, x - w / 2, top - 5, x + w / 2, top + 1, 0.25, 0.15);
    outline(cr, 1.1);
}

void chimney(cairo_t* cr, double x, double baseY, double topY) {
    cairo_rectangle(cr, x, topY, 8, baseY - topY);
    litFill(cr, hexColour(0xB5523B), x, topY, x + 8, topY, 0.2, 0.15);
    outline(cr, 1.1);
    cairo_rectangle(cr, x - 1.5, topY - 2.5, 11, 3);
    fillAndOutline(cr, hexColour(0x8C8378), 1);
}

void shingles(cairo_t* cr, Colour roof, double y0, double y1, double x0, double x1) {
    setColour(cr, darker(roof, 0.22));
    cairo_set_line_width(cr, 0.8);
    for (double y = y1 - 3.5; y > y0; y -= 4.5) cairo_move_to(cr, x0, y), cairo_line_to(cr, x1, y);
    cairo_stroke(cr);
}

void wallTexture(cairo_t* cr, const HouseStyle& s, double x, double y, double w, double h) {
    if (!s.brick && !s.siding) return;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    setColour(cr, s.brick ? withAlpha(lighter(s.wall, 0.55), 0.55) : withAlpha(darker(s.wall, 0.25), 0.45));
    cairo_set_line_width(cr, s.brick ? 0.8 : 0.7);
    double step = s.brick ? 4 : 4.5;
    for (int row = 0; y + h - row * step > y; ++row) {
        double ly = y + h - row * step;
        cairo_move_to(cr, x, ly), cairo_line_to(cr, x + w, ly);
        if (s.brick)
            for (double bx = x + (row % 2) * 4; bx < x + w; bx += 8)
                cairo_move_to(cr, bx, ly), cairo_line_to(cr, bx, ly - step);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void roofShape(cairo_t* cr, const HouseStyle& s, const Frame& f) {
    const double o = 5, rh = s.roofHeight;
    const Colour shadeWall = darker(s.wall, 0.2), roof = s.roofColour;
    switch (s.roof) {
    case Roof::kGableSide: {
        double apexX = f.R + f.dx / 2, apexY = f.T + f.dy / 2 - rh;
        polygon(cr, {f.R, f.T, f.R + f.dx, f.T + f.dy, apexX, apexY});
        fillAndOutline(cr, shadeWall, 1.2);
        polygon(cr, {f.L - o, f.T + 2, f.R + o, f.T + 2, apexX + o, apexY, f.L - o + f.dx / 2, apexY});
        litFill(cr, roof, f.L, apexY, f.R, f.T, 0.25, 0.2);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        shingles(cr, roof, apexY, f.T + 2, f.L - o, f.R + o + f.dx);
        cairo_restore(cr);
        outline(cr, 1.3);
        cairo_move_to(cr, apexX + o, apexY), cairo_line_to(cr, f.R + f.dx + 3, f.T + f.dy + 2);
        outline(cr, 2.2, ink::kOutline);
        break;
    }
    case Roof::kGableFront: {
        polygon(cr, {f.cx, f.T - rh - 2, f.R + o, f.T + 3, f.R + o + f.dx, f.T + f.dy + 3, f.cx + f.dx,
                     f.T - rh + f.dy - 2});
        litFill(cr, darker(roof, 0.12), f.cx, f.T - rh, f.R + f.dx, f.T, 0.1, 0.2);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        setColour(cr, darker(roof, 0.3));
        cairo_set_line_width(cr, 0.8);
        for (double t = 0.15; t < 1; t += 0.14) {
            cairo_move_to(cr, f.cx + (f.R + o - f.cx) * t, f.T - rh - 2 + (rh + 5) * t);
            cairo_rel_line_to(cr, f.dx, f.dy);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        outline(cr, 1.3);
        polygon(cr, {f.L, f.T, f.R, f.T, f.cx, f.T - rh});
        litFill(cr, s.wall, f.L, f.T - rh, f.R, f.T, 0.25, 0.12);
        outline(cr, 1.1);
        cairo_move_to(cr, f.L - o, f.T + 3), cairo_line_to(cr, f.cx, f.T - rh - 2),
            cairo_line_to(cr, f.R + o, f.T + 3);
        cairo_set_line_width(cr, 4.2);
        setColour(cr, ink::kOutline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.4);
        setColour(cr, s.trim);
        cairo_stroke(cr);
        // A round attic window in the gable.
        cairo_arc(cr, f.cx, f.T - rh * 0.38, std::min(5.0, rh * 0.18), 0, 2 * M_PI);
        fillAndOutline(cr, hexColour(0x8FC3E6), 1);
        break;
    }
    case Roof::kHip: {
        double in = std::min(f.W * 0.25, f.dx * 1.4), topY = f.T + f.dy / 2 - rh;
        polygon(cr, {f.R + o, f.T + 2, f.R + o + f.dx, f.T + f.dy + 2, f.R - in + f.dx / 2 + o, topY});
        litFill(cr, darker(roof, 0.15), f.R, topY, f.R + f.dx, f.T, 0.05, 0.15);
        outline(cr, 1.3);
        polygon(cr, {f.L - o, f.T + 2, f.R + o, f.T + 2, f.R - in + f.dx / 2 + o, topY,
                     f.L + in + f.dx / 2 - o, topY});
        litFill(cr, roof, f.L, topY, f.R, f.T, 0.25, 0.2);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        shingles(cr, roof, topY, f.T + 2, f.L - o, f.R + o);
        cairo_restore(cr);
        outline(cr, 1.3);
        break;
    }
    case Roof::kFlat: {
        double p = 7;
        polygon(cr, {f.L - 2, f.T - p, f.R + 2, f.T - p, f.R + 2 + f.dx, f.T - p + f.dy, f.L - 2 + f.dx,
                     f.T - p + f.dy});
        fillAndOutline(cr, lighter(roof, 0.2), 1.1);
        polygon(cr,
                {f.R + 2, f.T - p, f.R + 2 + f.dx, f.T - p + f.dy, f.R + 2 + f.dx, f.T + f.dy, f.R + 2, f.T});
        fillAndOutline(cr, darker(s.trim, 0.2), 1.1);
        cairo_rectangle(cr, f.L - 2, f.T - p, f.W + 4, p);
        litFill(cr, s.trim, f.L, f.T - p, f.R, f.T, 0.2, 0.08);
        outline(cr, 1.1);
        break;
    }
    case Roof::kMansard: {
        double k = rh * 0.8;
        polygon(cr,
                {f.R + 3, f.T, f.R + 3 + f.dx, f.T + f.dy, f.R - 6 + f.dx, f.T + f.dy - k, f.R - 6, f.T - k});
        fillAndOutline(cr, darker(roof, 0.2), 1.2);
        polygon(cr, {f.L + 6, f.T - k, f.R - 6, f.T - k, f.R - 6 + f.dx, f.T - k + f.dy, f.L + 6 + f.dx,
                     f.T - k + f.dy});
        fillAndOutline(cr, lighter(roof, 0.1), 1.1);
        polygon(cr, {f.L - 3, f.T, f.R + 3, f.T, f.R - 6, f.T - k, f.L + 6, f.T - k});
        litFill(cr, roof, f.L, f.T - k, f.R, f.T, 0.25, 0.2);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        shingles(cr, roof, f.T - k, f.T, f.L, f.R);
        cairo_restore(cr);
        outline(cr, 1.3);
        cairo_rectangle(cr, f.L - 4, f.T - 2, f.W + 8, 3.5);
        fillAndOutline(cr, s.trim, 1);
        break;
    }
    }
}

void dormer(cairo_t* cr, const HouseStyle& s, double x, double baseY) {
    cairo_rectangle(cr, x - 8, baseY - 12, 16, 12);
    fillAndOutline(cr, s.wall, 1.1);
    polygon(cr, {x - 10, baseY - 11, x, baseY - 20, x + 10, baseY - 11});
    fillAndOutline(cr, s.roofColour, 1.1);
    cairo_rectangle(cr, x - 4, baseY - 10, 8, 8);
    fillAndOutline(cr, hexColour(0x8FC3E6), 0.9);
}

void turret(cairo_t* cr, const HouseStyle& s, double x, double groundY, double height) {
    const double r = 11;
    cairo_rectangle(cr, x - r, groundY - height, 2 * r, height);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - r, 0, x + r, 0);
    Colour a = lighter(s.wall, 0.3), b = darker(s.wall, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    outline(cr, 1.2);
    for (double wy = groundY - height + 10; wy < groundY - 18; wy += 24) {
        roundedRect(cr, x - 4, wy, 8, 12, 3);
        fillAndOutline(cr, hexColour(0x8FC3E6), 1);
    }
    polygon(cr, {x - r - 3, groundY - height + 1, x + r + 3, groundY - height + 1, x, groundY - height - 30});
    litFill(cr, s.roofColour, x - r, groundY - height - 30, x + r, groundY - height, 0.3, 0.25);
    outline(cr, 1.3);
    cairo_move_to(cr, x, groundY - height - 30), cairo_line_to(cr, x, groundY - height - 36);
    outline(cr, 1.3);
    cairo_arc(cr, x, groundY - height - 36, 1.5, 0, 2 * M_PI);
    fillAndOutline(cr, ink::kGold, 0.8);
}

void portico(cairo_t* cr, const HouseStyle& s, const Frame& f) {
    double w = f.W * 0.36, top = f.T + 4;
    for (int i = 0; i < 4; ++i) {
        double x = f.cx - w / 2 + 3 + i * (w - 6) / 3;
        cairo_rectangle(cr, x - 2.5, top, 5, f.B - 3 - top);
        cairo_pattern_t* p = cairo_pattern_create_linear(x - 2.5, 0, x + 2.5, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.76, 0.72);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        outline(cr, 0.9);
    }
    polygon(cr, {f.cx - w / 2 - 4, top, f.cx + w / 2 + 4, top, f.cx, top - 16});
    litFill(cr, s.trim, f.cx - w / 2, top - 16, f.cx + w / 2, top, 0.2, 0.1);
    outline(cr, 1.2);
    cairo_rectangle(cr, f.cx - w / 2 - 5, top, w + 10, 3);
    fillAndOutline(cr, s.trim, 1);
}

void garage(cairo_t* cr, const HouseStyle& s, const Frame& f) {
    double gw = 34, gh = std::min(30.0, f.H * 0.75), x0 = f.L - gw;
    cairo_rectangle(cr, x0, f.B - gh, gw, gh);
    litFill(cr, darker(s.wall, 0.05), x0, f.B - gh, f.L, f.B);
    outline(cr, 1.2);
    wallTexture(cr, s, x0, f.B - gh, gw, gh);
    cairo_rectangle(cr, x0 + 4, f.B - gh + 7, gw - 8, gh - 7);
    litFill(cr, lighter(s.trim, 0.1), x0, f.B - gh, f.L, f.B, 0.1, 0.15);
    outline(cr, 1);
    setColour(cr, darker(s.trim, 0.25));
    cairo_set_line_width(cr, 0.8);
    for (double y = f.B - gh + 11; y < f.B - 1; y += 4)
        cairo_move_to(cr, x0 + 5, y), cairo_line_to(cr, x0 + gw - 5, y);
    cairo_stroke(cr);
    polygon(cr, {x0 - 3, f.B - gh + 1, f.L + 1, f.B - gh + 1, f.L + 1, f.B - gh - 5, x0 - 1, f.B - gh - 5});
    fillAndOutline(cr, s.roof == Roof::kFlat ? s.trim : s.roofColour, 1.1);
}

} // namespace

void drawHouse(cairo_t* cr, double cx, double groundY, const HouseStyle& s) {
    Frame f;
    f.W = s.width, f.H = s.wallHeight, f.cx = cx;
    f.L = cx - f.W / 2, f.R = cx + f.W / 2, f.B = groundY, f.T = groundY - f.H;
    f.dx = s.depth * 0.55, f.dy = -s.depth * 0.32;

    // A soft shadow thrown down-right onto the ground.
    if (s.shadow) {
        ellipsePath(cr, cx + f.dx * 0.5 + 4, groundY - 0.5, f.W / 2 + f.dx * 0.5 + 8, 4);
        setColour(cr, withAlpha(hexColour(0x1E2A14), 0.22));
        cairo_fill(cr);
    }

    if (s.garage) garage(cr, s, f);
    // Side wall, in shade, with one window per storey.
    sideQuad(cr, f, 0, 0, 1, f.H);
    fillAndOutline(cr, darker(s.wall, 0.22), 1.2);
    const double storeyH = f.H / s.storeys;
    for (int k = 0; k < s.storeys; ++k) {
        sideQuad(cr, f, 0.35, k * storeyH + storeyH * 0.3, 0.65, k * storeyH + storeyH * 0.78);
        fillAndOutline(cr, hexColour(0x5E86A8), 1);
    }
    // Front wall.
    cairo_rectangle(cr, f.L, f.T, f.W, f.H);
    litFill(cr, s.wall, f.L, f.T, f.R, f.B, 0.22, 0.1);
    cairo_new_path(cr);
    wallTexture(cr, s, f.L, f.T, f.W, f.H);
    cairo_rectangle(cr, f.L, f.T, f.W, f.H);
    outline(cr, 1.3);
    for (int k = 1; k < s.storeys; ++k) { // floor band
        cairo_move_to(cr, f.L, f.B - k * storeyH), cairo_line_to(cr, f.R, f.B - k * storeyH);
        outline(cr, 1, darker(s.wall, 0.18));
    }
    roofShape(cr, s, f);
    if (s.chimney && s.roof != Roof::kFlat) {
        double x = s.roof == Roof::kGableFront ? f.R + f.dx * 0.55 : f.R - f.W * 0.22 + f.dx * 0.3;
        double base = s.roof == Roof::kGableFront ? f.T + f.dy * 0.55 - 2 : f.T - s.roofHeight * 0.45;
        chimney(cr, x, base, f.T + f.dy / 2 - s.roofHeight - 6);
    }
    if (s.dormers && (s.roof == Roof::kGableSide || s.roof == Roof::kHip || s.roof == Roof::kMansard)) {
        double base = f.T - 2;
        dormer(cr, s, f.cx - f.W * 0.22 + s.dormerOffset, base);
        dormer(cr, s, f.cx + f.W * 0.22 + s.dormerOffset, base);
    }

    // Windows and door on the front, in slots; the door takes one ground-floor slot.
    const int slots = s.windows + 1;
    const int doorSlot = s.doorSide < 0 ? 0 : s.doorSide > 0 ? slots - 1 : slots / 2;
    const double slotW = f.W / slots;
    const double winW = std::min(15.0, slotW * 0.55), winH = std::min(storeyH * 0.5, 18.0);
    for (int k = 0; k < s.storeys; ++k) {
        double wy = f.B - k * storeyH - storeyH * 0.5 - winH * 0.45;
        if (k == 0) wy = std::min(wy, f.B - winH - 9);
        for (int i = 0; i < slots; ++i) {
            double x = f.L + slotW * (i + 0.5);
            if (k == 0 && i == doorSlot) continue;
            if (s.columns && std::abs(x - f.cx) < f.W * 0.2) continue;
            if (k == 0 && s.bay && i == (doorSlot == 0 ? 1 : 0)) {
                cairo_rectangle(cr, x - winW / 2 - 5, wy - 3, winW + 10, f.B - wy + 3);
                litFill(cr, s.wall, x - winW, wy, x + winW, f.B, 0.3, 0.1);
                outline(cr, 1.1);
                window(cr, s, x - winW / 2 - 2, wy + 1, winW + 4, winH, false);
                polygon(cr, {x - winW / 2 - 8, wy - 3, x + winW / 2 + 8, wy - 3, x + winW / 2 + 4, wy - 8,
                             x - winW / 2 - 4, wy - 8});
                fillAndOutline(cr, s.roofColour, 1.1);
                continue;
            }
            window(cr, s, x - winW / 2, wy, winW, winH, s.windowBoxes && k == 0);
        }
    }
    double doorX = f.L + slotW * (doorSlot + 0.5);
    if (s.columns) doorX = f.cx;
    double doorH = std::min(storeyH * 0.72, 22.0);
    door(cr, s, doorX, f.B, 11, doorH);
    if (s.columns)
        portico(cr, s, f);
    else if (s.porch)
        porch(cr, s, doorX, f.B, 11, doorH);
    if (s.turret) turret(cr, s, f.L + 4, f.B, f.H + s.roofHeight * 0.35);
    if (s.bushes) {
        drawBush(cr, f.L + 6, f.B + 1, 14, hexColour(0x4E9A3A), hexColour(0xF07AA0), s.windowBoxes,
                 uint64_t(f.W * 7));
        drawBush(cr, f.R - 4, f.B + 1, 12, hexColour(0x5AA642), hexColour(0xFFD34D), false,
                 uint64_t(f.H * 13));
    }
}

} // namespace bv::gen
