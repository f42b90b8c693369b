// The first three career towns: a village lane to start in, a leafy suburb and a riverside quarter.
#include "town.h"
#include "towns.h"

namespace bv::maps {

namespace {

const std::vector<std::string> kFarTrees = {"oak_large",          "pine_large", "poplar_large", "birch_large",
                                            "maple_autumn_large", "oak_medium", "pine_medium"};
const std::vector<std::string> kGardenTrees = {"apple_tree", "cherry_blossom_small", "birch_small",
                                               "oak_small", "maple_autumn_small"};

} // namespace

// Maple Lane: nine small homes on two lanes and a village green with a pond.
void buildMapleLane(const std::string& gameDir) {
    Town t("maple_lane", true, 101);
    Street& maple = t.street("Maple Lane", 236, 0, 800);
    Street& elm = t.street("Elm Row", 394, 0, 800);

    // The green: a lawn on the right between the lanes, crossed by a footpath.
    t.lawn({{604, 262}, {800, 262}, {800, 368}, {604, 368}});
    Street& orchard = t.walk("Orchard Walk", {604, 282}, {800, 370});
    t.path({{700, 258}, {700, 325}}, 9);

    t.row(maple, true, 208, 14, 650,
          {"cottage_rose", "terrace_cream", "terrace_red_brick", "cottage_sky", "bungalow_sage"});
    t.row(elm, false, 366, 8, 592, {"cottage_lemon", "bungalow_coral", "cottage_mint", "terrace_blue"});

    // The church closes the lane on the right.
    t.plaza({{676, 206}, {796, 206}, {796, 213}, {676, 213}});
    t.bg("church", 736, 206);
    t.bg("oak_large", 662, 196);
    t.bg("pine_medium", 790, 196);

    // The green: pond and ducks, the old willow, a bench by the walk.
    t.streetLabel(orchard, 728);
    t.fg("pond", 752, 300);
    t.fg("duck", 730, 292);
    t.fg("duck", 768, 296, true);
    t.fg("willow", 626, 364);
    t.fg("bench_park", 690, 305);
    t.fg("flowerbed_daisies", 656, 292);
    t.fg("lamp_classic", 786, 368);

    t.streetLabel(maple, 150);
    t.streetLabel(maple, 560);
    t.streetLabel(elm, 360);
    // The allotments behind the lane, fenced, with the old well beside them.
    t.bed({{24, 74}, {222, 74}, {222, 118}, {24, 118}});
    for (int x : {57, 123, 189}) t.bg("fence_wood", x, 126);
    t.bg("well", 252, 124);
    t.grove(0, 96, 800, 190, 16, kFarTrees);
    t.lamps(maple, 90, 600, 170, "lamp_classic");
    t.lamps(elm, 150, 500, 175, "lamp_classic");
    t.car(maple, 300, true, "car_red_sedan");
    t.car(maple, 540, false, "car_taxi");
    t.car(elm, 230, true, "car_blue_sedan");
    t.fg("hydrant", 470, maple.bottom() - 3);
    t.finish(gameDir);
}

// Cedar Park: family homes on Cedar Avenue, villas and bungalows below, and the park.
void buildCedarPark(const std::string& gameDir) {
    Town t("cedar_park", true, 202);
    Street& cedar = t.street("Cedar Avenue", 190, 0, 800);
    Street& linden = t.street("Linden Close", 328, 0, 800);

    t.row(cedar, true, 162, 6, 794,
          {"family_white", "family_blue", "family_grey", "family_green", "family_peach"});
    t.row(linden, true, 300, 6, 794, {"villa_sand", "bungalow_slate", "villa_white", "bungalow_sand"});
    // Two bungalows at the foot of the map; their street runs below it.
    t.house("bungalow_sage", 110, 418, "42 Linden Close");
    t.house("bungalow_coral", 300, 418, "44 Linden Close");
    t.path({{110, 414}, {110, 450}}, 9);
    t.path({{300, 414}, {300, 450}}, 9);
    t.bg("birch_medium", 205, 406);
    t.fg("bush_flowering", 205, 420);

    // The park: lawn, gravel walks, a fountain, a playground and a pond.
    t.lawn({{398, 352}, {800, 352}, {800, 450}, {398, 450}});
    Street& bramble = t.walk("Bramble Walk", {398, 450}, {620, 350});
    t.path({{560, 380}, {800, 380}}, 11);
    t.plaza({{600, 366}, {660, 366}, {660, 394}, {600, 394}});
    t.fg("fountain", 630, 410);
    t.fg("swing_set", 470, 402);
    t.fg("sandbox", 540, 420);
    t.fg("pond", 740, 420);
    t.fg("duck", 722, 414);
    t.fg("bench_park", 700, 376);
    t.fg("picnic_table", 760, 372, true);
    t.fg("oak_large", 418, 400);
    t.fg("cherry_blossom_large", 560, 372);
    t.fg("pine_medium", 790, 400);
    t.fg("trash_bin", 676, 376);
    t.streetLabel(bramble, 470);

    t.streetLabel(cedar, 130);
    t.streetLabel(cedar, 520);
    t.streetLabel(linden, 250);
    t.streetLabel(linden, 640);
    t.grove(0, 64, 800, 120, 12, kFarTrees);
    t.lamps(cedar, 80, 720, 160, "lamp_modern");
    t.lamps(linden, 120, 720, 200, "lamp_modern");
    t.car(cedar, 250, true, "car_green_pickup");
    t.car(cedar, 610, false, "car_white_van");
    t.car(linden, 440, true, "car_yellow_hatch");
    t.fg("bus_stop", 730, cedar.bottom() - 1);
    t.finish(gameDir);
}

// Willow Bend: tall town houses on Mill Street, Victorians facing the river, and Ferry Lane
// running down past the cafe to the water.
void buildWillowBend(const std::string& gameDir) {
    Town t("willow_bend", true, 303);
    Street& mill = t.street("Mill Street", 200, 0, 800);
    Street& ferry = t.street("Ferry Lane", {640, 200}, {800, 272}, false);
    t.junction({656, 200}, 34);
    Street& walk = t.walk("Riverside Walk", {0, 344}, {560, 344});

    t.water({{-30, 376},
             {90, 368},
             {200, 372},
             {310, 380},
             {430, 374},
             {560, 364},
             {680, 360},
             {830, 350},
             {830, 480},
             {-30, 480}});
    t.row(mill, true, 172, 4, 796,
          {"townhouse_brick", "townhouse_navy", "victorian_teal", "townhouse_olive", "townhouse_plum",
           "victorian_rose"});
    t.row(walk, true, 330, 4, 580,
          {"terrace_yellow_brick", "victorian_lavender", "terrace_cream", "victorian_butter"});

    // The cafe and the bakery on the corner below Ferry Lane, with their terrace.
    t.plaza({{626, 334}, {800, 334}, {800, 350}, {626, 350}});
    t.bg("shop_cafe", 680, 346);
    t.bg("shop_bakery", 768, 346);
    t.fg("planter_box", 634, 350);
    t.fg("bench_wood", 725, 352);

    // The river bank: willows, ducks, benches.
    t.fg("willow", 40, 372);
    t.fg("willow", 600, 366, true);
    t.fg("duck", 250, 400);
    t.fg("duck", 276, 404, true);
    t.fg("duck", 520, 410);
    t.fg("bench_park", 150, 362);
    t.fg("bench_park", 430, 364, true);
    t.fg("lamp_classic", 300, 366);
    t.fg("lamp_classic", 540, 364);

    t.streetLabel(mill, 120);
    t.streetLabel(mill, 470);
    t.streetLabel(ferry, 728);
    t.streetLabel(walk, 250);
    t.grove(0, 62, 800, 140, 10, kFarTrees);
    t.lamps(mill, 110, 560, 150, "lamp_classic");
    t.car(mill, 190, true, "car_blue_sedan");
    t.car(mill, 470, false, "car_red_sedan");
    t.grove(0, 300, 800, 330, 3, kGardenTrees);
    t.finish(gameDir);
}

} // namespace bv::maps
