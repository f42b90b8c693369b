// The tycoon towns, drawn at 5/12: a whole market town, and an estate around a lake.
#include <algorithm>

#include "town.h"
#include "towns.h"

namespace bv::maps {

namespace {

const std::vector<std::string> kModest = {"cottage_rose",   "cottage_sky",       "cottage_mint",
                                          "cottage_lemon",  "cottage_thatch",    "terrace_blue",
                                          "terrace_cream",  "terrace_red_brick", "terrace_yellow_brick",
                                          "bungalow_coral", "bungalow_sage",     "bungalow_sand"};
const std::vector<std::string> kMiddle = {"family_white",   "family_blue",     "family_green",
                                          "family_peach",   "family_grey",     "townhouse_brick",
                                          "townhouse_navy", "townhouse_olive", "townhouse_plum",
                                          "bungalow_slate", "victorian_teal"};
const std::vector<std::string> kGrand = {
    "villa_white",        "villa_sand",       "villa_timber",    "villa_charcoal", "victorian_rose",
    "victorian_lavender", "victorian_butter", "mansion_classic", "mansion_estate", "mansion_manor"};
const std::vector<std::string> kTrees = {"oak_medium",           "oak_large",     "pine_medium",
                                         "birch_medium",         "poplar_medium", "maple_autumn_small",
                                         "cherry_blossom_small", "apple_tree"};

// Pictures from the pool, in a shuffled order, as many as fit across `span` with at least
// `gap` pixels each; no picture twice in a row.
std::vector<std::string> pick(Town& t, const std::vector<std::string>& pool, double span, double gap) {
    std::vector<std::string> out;
    double used = 0;
    for (int tries = 0; tries < 200; ++tries) {
        const std::string& p = pool[size_t(t.rng.below(int(pool.size())))];
        if (!out.empty() && out.back() == p) continue;
        const double w = t.width(p, true) + gap;
        if (used + w > span) {
            if (span - used < 30 * t.s) break; // nothing smaller would look right either
            continue;
        }
        out.push_back(p);
        used += w;
    }
    return out;
}

void rowOf(Town& t, Street& st, double x0, double x1, const std::vector<std::string>& pool, double gap = 9) {
    t.row(st, true, st.top() - 3, x0, x1, pick(t, pool, x1 - x0, gap));
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

// Brickvale Central: five streets either side of the High Street, the market square, the park.
void buildBrickvaleCentral(const std::string& gameDir) {
    Town t("brickvale_central", false, 505);
    const char* names[] = {"Church Street", "Kings Road", "Station Road", "Market Street", "Mill Lane"};
    std::vector<Street*> streets;
    for (int i = 0; i < 5; ++i) streets.push_back(&t.street(names[i], 114 + 70 * i, 0, 800));
    Street& high = t.street("High Street", {400, 58}, {400, 450});
    for (int i = 0; i < 5; ++i) t.junction({400, 114.0 + 70 * i}, 13);

    rowOf(t, *streets[0], 0, 390, kGrand);
    rowOf(t, *streets[0], 410, 800, kGrand);
    rowOf(t, *streets[1], 0, 390, kMiddle);
    rowOf(t, *streets[1], 410, 800, kMiddle);
    rowOf(t, *streets[2], 0, 390, kMiddle);
    rowOf(t, *streets[3], 0, 390, kModest);
    rowOf(t, *streets[3], 410, 800, kModest);
    rowOf(t, *streets[4], 0, 390, kModest);
    rowOf(t, *streets[4], 588, 800, kModest);
    for (Street* st : streets) {
        t.streetLabel(*st, 200);
        t.streetLabel(*st, 640);
    }

    // The park between Kings Road and Station Road, east of the High Street, by the church.
    const double parkY = streets[2]->top() - 3;
    t.bg("church", 444, parkY);
    t.lawn({{470, 198}, {800, 198}, {800, 240}, {470, 240}});
    Street& fountainWalk = t.walk("Fountain Walk", {478, 200}, {574, 243});
    t.path({{470, 240}, {800, 240}}, 5);
    t.streetLabel(fountainWalk, 526);
    t.fg("fountain", 640, 234);
    t.fg("pond", 745, 234);
    t.fg("swing_set", 560, 214);
    t.fg("bench_park", 690, 222);
    t.fg("oak_medium", 610, 214);
    t.fg("birch_medium", 786, 212);
    t.fg("cherry_blossom_small", 700, 240);
    t.fg("apple_tree", 490, 238);

    // The market square on Mill Lane: four shops round a paved square.
    t.plaza({{412, 350}, {584, 350}, {584, 382}, {412, 382}});
    const double shopY = streets[4]->top() - 3;
    t.bg("shop_bakery", 432, shopY);
    t.bg("shop_cafe", 474, shopY);
    t.bg("shop_books", 516, shopY);
    t.bg("shop_grocer", 560, shopY);

    t.grove(0, 58, 800, 96, 18, kTrees);
    for (Street* st : streets) {
        t.car(*st, 270 + t.rng.below(100), true, "car_red_sedan");
        t.car(*st, 440 + t.rng.below(120), false, t.rng.chance(0.5) ? "car_blue_sedan" : "car_taxi");
    }
    (void)high; // running up the page, it carries no label: labels lie level or slanted
    t.finish(gameDir);
}

// Lakeside Estates: grand houses on the lake, family homes on the closes around it.
void buildLakesideEstates(const std::string& gameDir) {
    Town t("lakeside_estates", false, 606);
    Street& shore = t.street("Shore Road", 130, 0, 800);
    Street& drive = t.street("Lakeshore Drive", {640, 130}, {800, 202});
    Street& heron = t.street("Heron Close", 205, 0, 252);
    Street& birch = t.street("Birch Close", 275, 0, 252);
    Street& wren = t.street("Wren Close", 345, 0, 252);
    Street& kingfisher = t.street("Kingfisher Rise", 275, 598, 800);
    Street& osprey = t.street("Osprey Lane", 345, 598, 800);
    Street& meadow = t.street("Meadow Lane", 410, 0, 800);
    t.junction({652, 130}, 13);

    t.water({{300, 160}, {420, 150}, {530, 166}, {582, 222}, {552, 292}, {430, 318}, {316, 306}, {272, 236}});
    t.path({{266, 342}, {584, 342}}, 6);
    t.path({{420, 140}, {420, 154}}, 5);

    // The lake frontage mixes grand houses with family homes; the closes behind are humbler.
    rowOf(t, shore, 0, 800, joined(kGrand, kMiddle), 6);
    rowOf(t, heron, 0, 252, joined(kMiddle, kModest), 6);
    rowOf(t, birch, 0, 252, joined(kMiddle, kModest), 6);
    rowOf(t, wren, 0, 252, kModest, 6);
    rowOf(t, kingfisher, 598, 800, kGrand, 6);
    rowOf(t, osprey, 598, 800, kMiddle, 6);
    rowOf(t, meadow, 0, 800, kModest, 6);
    t.streetLabel(shore, 160);
    t.streetLabel(shore, 480);
    t.streetLabel(heron, 126);
    t.streetLabel(birch, 126);
    t.streetLabel(wren, 126);
    t.streetLabel(kingfisher, 700);
    t.streetLabel(osprey, 700);
    t.streetLabel(drive, 726);
    t.streetLabel(meadow, 280);
    t.streetLabel(meadow, 660);

    // The lake shore: willows, benches and a picnic spot, ducks on the water.
    t.fg("willow", 294, 324);
    t.fg("willow", 572, 192, true);
    for (int i = 0; i < 5; ++i) t.fg("duck", 350 + 42 * i, 222 + 14 * (i % 2), i % 2 == 1);
    t.fg("bench_park", 400, 348);
    t.fg("bench_park", 470, 348, true);
    t.fg("picnic_table", 540, 352);
    t.grove(262, 352, 590, 372, 5, kTrees, true);
    t.grove(0, 56, 800, 110, 16, kTrees);
    t.car(shore, 300, true, "car_white_van");
    t.car(meadow, 200, false, "car_green_pickup");
    t.car(meadow, 600, true, "car_yellow_hatch");
    t.finish(gameDir);
}

} // namespace bv::maps
