// Trees and bushes: crowns built from clusters of lit circles with one outline around the whole
// cluster, trunks tapering into the ground.
#include <cmath>

#include "town_art.h"

namespace bv::gen {

namespace {

struct Blob {
    double x, y, r;
};

// Draws the blobs as one outlined mass: outline first (fatter), then the lit fills on top, then
// a few highlights toward the upper left.
void mass(cairo_t* cr, const std::vector<Blob>& blobs, Colour base, double outlineWidth = 1.5) {
    setColour(cr, ink::kOutline);
    for (const Blob& b : blobs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, b.x, b.y, b.r + outlineWidth, 0, 2 * M_PI);
    }
    cairo_fill(cr);
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Blob& b : blobs)
        minX = std::min(minX, b.x - b.r), minY = std::min(minY, b.y - b.r), maxX = std::max(maxX, b.x + b.r),
        maxY = std::max(maxY, b.y + b.r);
    for (const Blob& b : blobs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, b.x, b.y, b.r, 0, 2 * M_PI);
    }
    litFill(cr, base, minX, minY, maxX, maxY, 0.28, 0.28);
    cairo_new_path(cr);
    // Each blob gets its own soft lit cap, so the crown reads as a bunch of leafy balls.
    for (const Blob& b : blobs) {
        cairo_save(cr);
        cairo_arc(cr, b.x, b.y, b.r, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_arc(cr, b.x + b.r * 0.3, b.y + b.r * 0.35, b.r * 0.95, 0, 2 * M_PI);
        setColour(cr, withAlpha(darker(base, 0.3), 0.35));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (const Blob& b : blobs) gloss(cr, b.x - b.r * 0.3, b.y - b.r * 0.35, b.r * 0.45, b.r * 0.35, 0.22);
}

void trunk(cairo_t* cr, double cx, double groundY, double top, double w, Colour bark) {
    cairo_move_to(cr, cx - w * 0.8, groundY);
    cairo_curve_to(cr, cx - w * 0.45, groundY - 4, cx - w * 0.4, top + 6, cx - w * 0.3, top);
    cairo_line_to(cr, cx + w * 0.3, top);
    cairo_curve_to(cr, cx + w * 0.4, top + 6, cx + w * 0.45, groundY - 4, cx + w * 0.8, groundY);
    cairo_close_path(cr);
    litFill(cr, bark, cx - w, top, cx + w, top, 0.2, 0.25);
    outline(cr, 1.3);
}

std::vector<Blob> crown(Rng& rng, double cx, double cy, double rx, double ry, int count, double r0) {
    std::vector<Blob> blobs;
    for (int i = 0; i < count; ++i) {
        double a = rng.range(0, 2 * M_PI), d = std::sqrt(rng.range(0, 1));
        blobs.push_back({cx + std::cos(a) * d * (rx - r0 * 0.6), cy + std::sin(a) * d * (ry - r0 * 0.6),
                         r0 * rng.range(0.75, 1.1)});
    }
    blobs.push_back({cx, cy, r0 * 1.15});
    return blobs;
}

void dots(cairo_t* cr, Rng& rng, const std::vector<Blob>& blobs, Colour c, int n, double r) {
    for (int i = 0; i < n; ++i) {
        const Blob& b = blobs[size_t(rng.below(int(blobs.size())))];
        double a = rng.range(0, 2 * M_PI), d = rng.range(0, b.r * 0.8);
        cairo_arc(cr, b.x + std::cos(a) * d, b.y + std::sin(a) * d, r, 0, 2 * M_PI);
        fillAndOutline(cr, c, 0.7);
    }
}

} // namespace

void drawTree(cairo_t* cr, double cx, double groundY, TreeKind kind, double h, uint64_t seed) {
    Rng rng(seed);
    const Colour bark = hexColour(0x8A5A34);
    // No ground shadow here: map objects must stay free of see-through pixels (tycoon maps make
    // them opaque); scenes add their own shadows.
    switch (kind) {
    case TreeKind::kPine: {
        trunk(cr, cx, groundY, groundY - h * 0.25, h * 0.06, bark);
        const int tiers = 4;
        for (int t = 0; t < tiers; ++t) {
            double base = groundY - h * 0.18 - t * h * 0.2, top = base - h * 0.36;
            double half = h * (0.27 - t * 0.05);
            cairo_move_to(cr, cx - half, base);
            cairo_curve_to(cr, cx - half * 0.5, base - 2, cx - half * 0.2, top + 6, cx, top);
            cairo_curve_to(cr, cx + half * 0.2, top + 6, cx + half * 0.5, base - 2, cx + half, base);
            cairo_curve_to(cr, cx + half * 0.4, base + 3, cx - half * 0.4, base + 3, cx - half, base);
            cairo_close_path(cr);
            litFill(cr, hexColour(0x2F7A4A), cx - half, top, cx + half, base, 0.25, 0.25);
            outline(cr, 1.4);
        }
        break;
    }
    case TreeKind::kPoplar: {
        trunk(cr, cx, groundY, groundY - h * 0.3, h * 0.05, bark);
        std::vector<Blob> blobs;
        for (int i = 0; i < 7; ++i)
            blobs.push_back({cx + rng.range(-h * 0.04, h * 0.04), groundY - h * 0.3 - i * h * 0.1,
                             h * (0.12 - i * 0.004)});
        mass(cr, blobs, hexColour(0x4F9A3C));
        break;
    }
    case TreeKind::kBirch: {
        cairo_move_to(cr, cx - h * 0.035, groundY);
        cairo_line_to(cr, cx - h * 0.02, groundY - h * 0.55);
        cairo_line_to(cr, cx + h * 0.02, groundY - h * 0.55);
        cairo_line_to(cr, cx + h * 0.035, groundY);
        cairo_close_path(cr);
        litFill(cr, hexColour(0xF3F0E8), cx - 4, 0, cx + 4, 0, 0.3, 0.15);
        outline(cr, 1.2);
        setColour(cr, hexColour(0x3B3B3B));
        for (int i = 0; i < 5; ++i) {
            double y = groundY - h * (0.08 + i * 0.1);
            cairo_rectangle(cr, cx - h * 0.025 + (i % 2) * h * 0.015, y, h * 0.025, 1.5);
        }
        cairo_fill(cr);
        std::vector<Blob> blobs = crown(rng, cx, groundY - h * 0.68, h * 0.2, h * 0.26, 9, h * 0.1);
        mass(cr, blobs, hexColour(0x8CC63F));
        break;
    }
    case TreeKind::kWillow: {
        trunk(cr, cx, groundY, groundY - h * 0.5, h * 0.08, bark);
        std::vector<Blob> blobs = crown(rng, cx, groundY - h * 0.66, h * 0.3, h * 0.2, 10, h * 0.12);
        mass(cr, blobs, hexColour(0x7DB548));
        setColour(cr, darker(hexColour(0x7DB548), 0.35));
        cairo_set_line_width(cr, 2.0);
        for (int i = 0; i < 14; ++i) { // hanging fronds
            double x = cx - h * 0.33 + i * h * 0.05;
            cairo_move_to(cr, x, groundY - h * 0.62);
            cairo_curve_to(cr, x + 2, groundY - h * 0.4, x - 1, groundY - h * 0.3, x + 1,
                           groundY - h * (0.14 + (i % 3) * 0.05));
        }
        cairo_stroke(cr);
        break;
    }
    default: {
        Colour leaf = hexColour(0x5DAA3F);
        if (kind == TreeKind::kMaple) leaf = hexColour(0xE8833A);
        if (kind == TreeKind::kBlossom) leaf = hexColour(0xF5A9C4);
        if (kind == TreeKind::kApple) leaf = hexColour(0x4FA03A);
        trunk(cr, cx, groundY, groundY - h * 0.45, h * 0.085,
              kind == TreeKind::kBlossom ? hexColour(0x6E4A3A) : bark);
        std::vector<Blob> blobs = crown(rng, cx, groundY - h * 0.62, h * 0.3, h * 0.24, 11, h * 0.15);
        mass(cr, blobs, leaf);
        if (kind == TreeKind::kApple)
            dots(cr, rng, blobs, hexColour(0xE2342B), int(h / 6), std::max(1.3, h * 0.025));
        if (kind == TreeKind::kBlossom)
            dots(cr, rng, blobs, hexColour(0xFFF4F8), int(h / 4), std::max(1.0, h * 0.018));
        if (kind == TreeKind::kMaple)
            dots(cr, rng, blobs, hexColour(0xF6C343), int(h / 6), std::max(1.0, h * 0.02));
        break;
    }
    }
}

void drawBush(cairo_t* cr, double cx, double groundY, double width, Colour leaf, Colour flowers,
              bool flowering, uint64_t seed) {
    Rng rng(seed);
    std::vector<Blob> blobs;
    const double r = width * 0.3;
    for (int i = 0; i < 5; ++i)
        blobs.push_back({cx - width * 0.3 + i * width * 0.15, groundY - r * rng.range(0.8, 1.25),
                         r * rng.range(0.8, 1.1)});
    blobs.push_back({cx, groundY - r * 1.5, r});
    mass(cr, blobs, leaf, 1.2);
    if (flowering) dots(cr, rng, blobs, flowers, int(width / 3), std::max(1.0, width * 0.05));
}

} // namespace bv::gen
