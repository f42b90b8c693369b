// The ground of a town, painted with cairo into its 800 x 450 background picture: grass, parks,
// water, paved squares, garden paths and driveways, and the streets with their pavements.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "out.h"

namespace bv::maps {

struct Pt {
    double x = 0, y = 0;
};

struct Road {
    std::vector<Pt> points; // the centre line
    double width = 26;      // asphalt
    double pavement = 7;    // each side; 0 for a country lane
    bool centreLine = true; // dashed white line down the middle
};

// A square of plain asphalt where streets meet, so that no centre line runs across it.
struct Junction {
    Pt at;
    double size = 26;
};

struct Backdrop {
    uint64_t seed = 1;
    double scale = 1.0; // 1 for career towns, 5/12 for tycoon towns: texture and line sizes
    std::vector<Road> roads;
    std::vector<std::vector<Pt>> lawns;  // park lawns, a lighter green
    std::vector<std::vector<Pt>> water;  // rivers and lakes
    std::vector<std::vector<Pt>> plazas; // paved squares
    std::vector<std::vector<Pt>> beds;   // dug earth: allotments and flower borders
    std::vector<Road> paths;             // garden paths, driveways, gravel walks (no pavement)
    std::vector<Junction> junctions;
};

// Paints the backdrop as an opaque 800 x 450 picture.
gen::Picture paintBackdrop(const Backdrop& b);

} // namespace bv::maps
