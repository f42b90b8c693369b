// Map objects from the garden and the park: trees of several kinds and sizes, bushes, flower
// beds, hedges, ground tiles, water and park things. Objects never carry see-through shadows:
// tycoon maps make every visible object pixel opaque.
#include <cmath>

#include "town.h"

namespace bv::gen {

namespace {

// A flat tile seen from above: drawn into the whole canvas, anchored at its bottom middle.
template <typename Draw>
void tile(std::vector<TownPicture>& out, const char* folder, const std::string& name, int w, int h,
          Draw draw) {
    Canvas c(w, h);
    draw(c.cr(), double(w), double(h));
    Picture p = c.picture();
    p.anchorBottomCentre();
    p.name = name + ".png";
    out.push_back({p, folder});
}

void grassTile(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    setColour(cr, hexColour(0x86C85E));
    cairo_fill(cr);
    Rng rng(7);
    setColour(cr, hexColour(0x6FB34C));
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 40; ++i) {
        double x = rng.range(1, w - 1), y = rng.range(3, h - 1);
        cairo_move_to(cr, x, y), cairo_line_to(cr, x + rng.range(-1, 1), y - 2.5);
    }
    cairo_stroke(cr);
}

void flowerBed(cairo_t* cr, double cx, double g, double w, std::initializer_list<uint32_t> colours,
               uint64_t seed) {
    ellipsePath(cr, cx, g - 5, w / 2, 6);
    litFill(cr, hexColour(0x7A5233), cx - w / 2, g - 10, cx + w / 2, g, 0.15, 0.2);
    outline(cr, 1.3);
    Rng rng(seed);
    std::vector<uint32_t> cs(colours);
    for (int i = 0; i < int(w / 2.2); ++i) {
        double x = cx + rng.range(-w / 2 + 3, w / 2 - 3), y = g - 4 - rng.range(2, 9);
        cairo_move_to(cr, x, y + 5), cairo_line_to(cr, x, y);
        outline(cr, 1, ink::kLeaf);
        cairo_arc(cr, x, y, 2.1, 0, 2 * M_PI);
        fillAndOutline(cr, hexColour(cs[size_t(i) % cs.size()]), 0.7);
    }
}

void hedge(cairo_t* cr, double cx, double g, double w, double h) {
    roundedRect(cr, cx - w / 2, g - h, w, h, 5);
    litFill(cr, hexColour(0x4C9A3A), cx - w / 2, g - h, cx + w / 2, g, 0.25, 0.25);
    outline(cr, 1.4);
    Rng rng{uint64_t(w)};
    for (int i = 0; i < int(w / 5); ++i) {
        double x = cx - w / 2 + 4 + rng.range(0, w - 8), y = g - h + 3 + rng.range(0, h - 6);
        gloss(cr, x, y, 3, 2, 0.3);
    }
    polygon(cr, {cx + w / 2 - 0.5, g - h + 3, cx + w / 2 + 6, g - h - 1, cx + w / 2 + 6, g - 4,
                 cx + w / 2 - 0.5, g});
    fillAndOutline(cr, hexColour(0x3B7A2E), 1.2);
}

void pond(cairo_t* cr, double cx, double g, double w) {
    ellipsePath(cr, cx, g - w * 0.18, w / 2, w * 0.18);
    litFill(cr, hexColour(0xB9A584), cx - w / 2, g - w * 0.36, cx + w / 2, g, 0.2, 0.1);
    outline(cr, 1.4);
    ellipsePath(cr, cx, g - w * 0.18, w / 2 - 4, w * 0.18 - 3);
    verticalFill(cr, hexColour(0x4AA3D8), hexColour(0x7FCBEF), g - w * 0.36, g);
    cairo_new_path(cr);
    setColour(cr, withAlpha(ink::kWhite, 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - w * 0.2, g - w * 0.22), cairo_line_to(cr, cx - w * 0.05, g - w * 0.22);
    cairo_move_to(cr, cx + w * 0.05, g - w * 0.14), cairo_line_to(cr, cx + w * 0.22, g - w * 0.14);
    cairo_stroke(cr);
    for (double lx : {cx + w * 0.28, cx - w * 0.3}) {
        ellipsePath(cr, lx, g - w * 0.2, 4, 2);
        fillAndOutline(cr, hexColour(0x5DAA3F), 0.8);
    }
}

void swingSet(cairo_t* cr, double cx, double g) {
    for (double x : {cx - 22.0, cx + 22.0}) {
        cairo_move_to(cr, x - 7, g), cairo_line_to(cr, x, g - 36), cairo_line_to(cr, x + 7, g);
        outline(cr, 3.6);
        cairo_move_to(cr, x - 7, g), cairo_line_to(cr, x, g - 36), cairo_line_to(cr, x + 7, g);
        outline(cr, 2, ink::kRed);
    }
    cairo_move_to(cr, cx - 24, g - 36), cairo_line_to(cr, cx + 24, g - 36);
    outline(cr, 4);
    cairo_move_to(cr, cx - 24, g - 36), cairo_line_to(cr, cx + 24, g - 36);
    outline(cr, 2.2, ink::kGold);
    for (double x : {cx - 9.0, cx + 9.0}) {
        cairo_move_to(cr, x - 4, g - 35), cairo_line_to(cr, x - 4, g - 12);
        cairo_move_to(cr, x + 4, g - 35), cairo_line_to(cr, x + 4, g - 12);
        outline(cr, 1.6, hexColour(0x666666));
        roundedRect(cr, x - 6, g - 13, 12, 3, 1);
        fillAndOutline(cr, ink::kBlue, 1);
    }
}

void sandbox(cairo_t* cr, double cx, double g) {
    polygon(cr, {cx - 24, g, cx + 16, g, cx + 26, g - 10, cx - 14, g - 10});
    fillAndOutline(cr, ink::kWood, 1.3);
    polygon(cr, {cx - 19, g - 2.5, cx + 14, g - 2.5, cx + 21, g - 8, cx - 12, g - 8});
    litFill(cr, hexColour(0xF2DC9B), cx - 19, g - 8, cx + 21, g, 0.3, 0.05);
    cairo_new_path(cr);
    polygon(cr, {cx + 2, g - 6, cx + 8, g - 6, cx + 6, g - 13});
    fillAndOutline(cr, ink::kRed, 1);
}

void picnicTable(cairo_t* cr, double cx, double g) {
    for (double x : {cx - 14.0, cx + 12.0}) {
        cairo_move_to(cr, x - 5, g), cairo_line_to(cr, x + 3, g - 14);
        cairo_move_to(cr, x + 5, g), cairo_line_to(cr, x - 3, g - 14);
        outline(cr, 2.4, ink::kWoodDark);
    }
    polygon(cr, {cx - 22, g - 14, cx + 20, g - 14, cx + 26, g - 19, cx - 16, g - 19});
    litFill(cr, ink::kWood, cx - 22, g - 19, cx + 26, g - 14, 0.3, 0.15);
    outline(cr, 1.2);
    cairo_rectangle(cr, cx - 25, g - 8, 50, 3);
    fillAndOutline(cr, ink::kWood, 1.1);
}

void well(cairo_t* cr, double cx, double g) {
    ellipsePath(cr, cx, g - 14, 14, 5);
    cairo_rectangle(cr, cx - 14, g - 14, 28, 13);
    ellipsePath(cr, cx, g - 1, 14, 4);
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 13, g - 14, 26, 13);
    ellipsePath(cr, cx, g - 1.5, 13, 3.5);
    litFill(cr, hexColour(0xB8B0A4), cx - 13, g - 14, cx + 13, g, 0.3, 0.2);
    cairo_new_path(cr);
    ellipsePath(cr, cx, g - 14, 13, 4);
    fillAndOutline(cr, hexColour(0x2F4A5A), 1);
    for (double x : {cx - 11.0, cx + 11.0}) {
        cairo_rectangle(cr, x - 1.5, g - 34, 3, 20);
        fillAndOutline(cr, ink::kWood, 1);
    }
    polygon(cr, {cx - 17, g - 32, cx, g - 43, cx + 17, g - 32});
    fillAndOutline(cr, ink::kRed, 1.2);
}

void duck(cairo_t* cr, double cx, double g) {
    ellipsePath(cr, cx, g - 5, 8, 4.5);
    litFill(cr, ink::kWhite, cx - 8, g - 9, cx + 8, g, 0.2, 0.12);
    outline(cr, 1.1);
    cairo_arc(cr, cx + 5, g - 11, 3.5, 0, 2 * M_PI);
    fillAndOutline(cr, ink::kWhite, 1.1);
    polygon(cr, {cx + 8, g - 11.5, cx + 12, g - 10.5, cx + 8, g - 9.5});
    fillAndOutline(cr, ink::kOrange, 0.8);
    cairo_arc(cr, cx + 5.8, g - 12, 0.8, 0, 2 * M_PI);
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
}

} // namespace

void addNatureObjects(std::vector<TownPicture>& out) {
    // Object 0 sets the map's tile grid: a plain grass tile.
    tile(out, "ground", "grass_tile", 64, 32, grassTile);
    struct TreeSpec {
        const char* name;
        TreeKind kind;
        double height;
    };
    const TreeSpec trees[] = {
        {"oak_small", TreeKind::kOak, 44},
        {"oak_medium", TreeKind::kOak, 68},
        {"oak_large", TreeKind::kOak, 96},
        {"pine_small", TreeKind::kPine, 46},
        {"pine_medium", TreeKind::kPine, 70},
        {"pine_large", TreeKind::kPine, 100},
        {"birch_small", TreeKind::kBirch, 48},
        {"birch_medium", TreeKind::kBirch, 70},
        {"birch_large", TreeKind::kBirch, 94},
        {"maple_autumn_small", TreeKind::kMaple, 46},
        {"maple_autumn_large", TreeKind::kMaple, 84},
        {"cherry_blossom_small", TreeKind::kBlossom, 46},
        {"cherry_blossom_large", TreeKind::kBlossom, 80},
        {"poplar_medium", TreeKind::kPoplar, 74},
        {"poplar_large", TreeKind::kPoplar, 104},
        {"apple_tree", TreeKind::kApple, 62},
        {"willow", TreeKind::kWillow, 84},
    };
    uint64_t seed = 11;
    for (const TreeSpec& t : trees) {
        addTownPicture(out, "trees", t.name, 160, 150,
                       [&](cairo_t* cr) { drawTree(cr, 80, 140, t.kind, t.height, seed); });
        seed += 17;
    }
    addTownPicture(out, "plants", "bush_round", 60, 50,
                   [](cairo_t* cr) { drawBush(cr, 30, 44, 26, hexColour(0x4E9A3A), {}, false, 3); });
    addTownPicture(out, "plants", "bush_berry", 60, 50, [](cairo_t* cr) {
        drawBush(cr, 30, 44, 28, hexColour(0x3F8A3A), hexColour(0x8E3BB8), true, 5);
    });
    addTownPicture(out, "plants", "bush_flowering", 60, 50, [](cairo_t* cr) {
        drawBush(cr, 30, 44, 30, hexColour(0x5AA642), hexColour(0xF07AA0), true, 8);
    });
    addTownPicture(out, "plants", "topiary_ball", 50, 60, [](cairo_t* cr) {
        roundedRect(cr, 17, 40, 16, 12, 2);
        litFill(cr, hexColour(0xC0643B), 17, 40, 33, 52, 0.2, 0.2);
        outline(cr, 1.2);
        cairo_arc(cr, 25, 28, 13, 0, 2 * M_PI);
        litFill(cr, hexColour(0x3F8F3A), 12, 15, 38, 41, 0.3, 0.25);
        outline(cr, 1.4);
        gloss(cr, 21, 23, 6, 4, 0.35);
    });
    addTownPicture(out, "plants", "topiary_cone", 50, 70, [](cairo_t* cr) {
        roundedRect(cr, 17, 50, 16, 12, 2);
        litFill(cr, hexColour(0xC0643B), 17, 50, 33, 62, 0.2, 0.2);
        outline(cr, 1.2);
        cairo_move_to(cr, 25, 6);
        cairo_curve_to(cr, 30, 20, 38, 40, 36, 50);
        cairo_line_to(cr, 14, 50);
        cairo_curve_to(cr, 12, 40, 20, 20, 25, 6);
        litFill(cr, hexColour(0x2F7A4A), 14, 6, 36, 50, 0.3, 0.25);
        outline(cr, 1.4);
    });
    addTownPicture(out, "plants", "flowerbed_tulips", 70, 40, [](cairo_t* cr) {
        flowerBed(cr, 35, 34, 48, {0xE8413A, 0xF7D34A}, 1);
    });
    addTownPicture(out, "plants", "flowerbed_daisies", 70, 40, [](cairo_t* cr) {
        flowerBed(cr, 35, 34, 48, {0xFFFFFF, 0xF7D34A}, 2);
    });
    addTownPicture(out, "plants", "flowerbed_mixed", 70, 40, [](cairo_t* cr) {
        flowerBed(cr, 35, 34, 52, {0xF07AA0, 0x8E6CC8, 0xF7D34A, 0x6EC6F2}, 3);
    });
    addTownPicture(out, "plants", "planter_box", 60, 50, [](cairo_t* cr) {
        drawBush(cr, 30, 32, 30, hexColour(0x5AA642), hexColour(0xF05A7E), true, 21);
        polygon(cr, {13, 30, 47, 30, 44, 42, 16, 42});
        litFill(cr, ink::kWood, 13, 30, 47, 42, 0.25, 0.2);
        outline(cr, 1.3);
    });
    addTownPicture(out, "plants", "hedge_short", 60, 40, [](cairo_t* cr) { hedge(cr, 27, 34, 36, 16); });
    addTownPicture(out, "plants", "hedge_long", 110, 40, [](cairo_t* cr) { hedge(cr, 52, 34, 86, 16); });
    addTownPicture(out, "water", "pond", 110, 60, [](cairo_t* cr) { pond(cr, 55, 50, 90); });
    tile(out, "water", "water_tile", 64, 32, [](cairo_t* cr, double w, double h) {
        cairo_rectangle(cr, 0, 0, w, h);
        verticalFill(cr, hexColour(0x4AA3D8), hexColour(0x6BBEEA), 0, h);
        cairo_new_path(cr);
        setColour(cr, withAlpha(ink::kWhite, 0.55));
        cairo_set_line_width(cr, 1.2);
        for (int i = 0; i < 4; ++i) { // ripples placed so that neighbouring tiles join up
            double y = 5 + i * 8, x = (i % 2) * 32 + 6;
            cairo_move_to(cr, x, y), cairo_curve_to(cr, x + 4, y - 2, x + 8, y + 2, x + 12, y);
        }
        cairo_stroke(cr);
    });
    addTownPicture(out, "park", "swing_set", 80, 60, [](cairo_t* cr) { swingSet(cr, 40, 52); });
    addTownPicture(out, "park", "sandbox", 70, 40, [](cairo_t* cr) { sandbox(cr, 35, 34); });
    addTownPicture(out, "park", "picnic_table", 70, 40, [](cairo_t* cr) { picnicTable(cr, 35, 34); });
    addTownPicture(out, "park", "well", 60, 60, [](cairo_t* cr) { well(cr, 30, 54); });
    addTownPicture(out, "park", "duck", 40, 30, [](cairo_t* cr) { duck(cr, 18, 24); });
}

} // namespace bv::gen
