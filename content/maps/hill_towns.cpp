// Crown Hill: the grand houses at the top of town, with the formal gardens the road winds past.
#include "town.h"
#include "towns.h"

namespace bv::maps {

void buildCrownHill(const std::string& gameDir) {
    Town t("crown_hill", true, 404);
    Street& regent = t.street("Regent Crescent", 204, 0, 800);
    Street& belvedere = t.street("Belvedere Terrace", 370, 262, 800);
    Street& hill = t.street("Crown Hill Road", {0, 252}, {270, 373}, false);
    t.junction({270, 370}, 30);

    // The gardens below the road: lawns, gravel walks, the fountain and clipped yews.
    t.lawn({{0, 290}, {236, 396}, {236, 450}, {0, 450}});
    t.path({{0, 384}, {236, 384}}, 12);
    t.path({{112, 318}, {112, 450}}, 12);
    t.fg("fountain", 112, 404);
    for (int x : {40, 184}) {
        t.fg("topiary_cone", x, 376);
        t.fg("topiary_ball", x, 418);
    }
    t.fg("flowerbed_tulips", 58, 406);
    t.fg("flowerbed_mixed", 166, 410);
    t.fg("bench_park", 112, 354);
    t.fg("hedge_long", 60, 440);
    t.fg("lamp_classic", 225, 400);

    t.row(regent, true, 176, 0, 800, {"mansion_classic", "villa_white", "mansion_manor", "villa_timber"});
    t.row(belvedere, true, 342, 282, 800, {"victorian_lavender", "mansion_estate", "victorian_butter"});

    // Above the road: the wooded slope.
    t.streetLabel(regent, 400);
    t.streetLabel(regent, 690);
    t.streetLabel(belvedere, 470);
    t.streetLabel(hill, 120);
    t.grove(0, 232, 250, 300, 7, {"pine_medium", "birch_medium", "oak_small", "pine_small"});
    t.grove(0, 62, 800, 112, 12, {"pine_large", "oak_large", "poplar_large", "birch_large"});
    t.lamps(regent, 110, 720, 200, "lamp_classic");
    t.lamps(belvedere, 340, 760, 210, "lamp_classic");
    t.car(regent, 310, true, "car_blue_sedan");
    t.car(belvedere, 700, true, "car_white_van");
    t.finish(gameDir);
}

} // namespace bv::maps
