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

// Draws one object picture on a w x h canvas, crops it to what was drawn and files it under
// `folder` as "<name>.png".
template <typename Draw>
void addTownPicture(std::vector<TownPicture>& out, const char* folder, const std::string& name, int w, int h,
                    Draw draw) {
    Picture p = cropped(w, h, draw, name);
    p.name = name + ".png";
    out.push_back({p, folder});
}

std::vector<TownPicture> drawHouses();
std::vector<TownPicture> drawObjects();

} // namespace bv::gen
