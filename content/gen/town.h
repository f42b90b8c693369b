// The named town sets: houses and map objects, each picture filed under a kind (the sub-folder of
// its PNG copy in map_houses/ or map_objects/).
#pragma once

#include <string>
#include <vector>

#include "town_art.h"

namespace bv::gen {

struct TownPicture {
    Picture picture; // name = file name, anchored at its bottom middle
    std::string folder;
};

std::vector<TownPicture> drawHouses();
std::vector<TownPicture> drawObjects();

} // namespace bv::gen
