#include "town.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "assets/sprites.h"
#include "assets/strings.h"
#include "world/map.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bv::maps {

namespace {

// What each kind of house is worth (a range in dollars) and holds, by its picture's name.
struct HouseKind {
    const char* prefix;
    int lowValue, highValue;
    int bedrooms, bathrooms;
};

constexpr HouseKind kKinds[] = {
    {"cottage_", 38000, 58000, 2, 1},  {"terrace_", 52000, 72000, 2, 1},
    {"bungalow_", 68000, 96000, 3, 1}, {"townhouse_", 105000, 150000, 3, 2},
    {"family_", 125000, 185000, 4, 2}, {"victorian_", 210000, 320000, 5, 3},
    {"villa_", 290000, 420000, 4, 3},  {"mansion_", 640000, 900000, 7, 5},
};

const HouseKind& kindOf(const std::string& picture) {
    for (const HouseKind& k : kKinds) {
        if (picture.rfind(k.prefix, 0) == 0) return k;
    }
    gen::die("no house kind for picture %s", picture.c_str());
}

struct Box {
    double x0, y0, x1, y1;
};

Box houseBox(int index) {
    const MapHouse& h = mapHouses[index];
    const Sprite* p = housePicture(index);
    return {h.x - p->width / 2.0, double(h.y - p->height), h.x + p->width / 2.0, double(h.y)};
}

const SpriteExSet& drawSet(bool career, bool isHouse) {
    if (isHouse) return career ? houseSprites : scaledHouseSprites;
    return career ? objectSprites : scaledObjectSprites;
}

int pictureIndex(const std::string& picture, bool isHouse) {
    const std::string name = picture + ".png";
    int index = findSprExIndex(isHouse ? houseSprites : objectSprites, name.c_str());
    if (index < 0) gen::die("no %s picture named %s", isHouse ? "house" : "object", name.c_str());
    return index;
}

bool inPolygon(const std::vector<Pt>& poly, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        if ((poly[i].y > y) != (poly[j].y > y) &&
            x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
            inside = !inside;
    }
    return inside;
}

double distanceToSegment(Pt p, Pt a, Pt b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len = dx * dx + dy * dy;
    double t = len > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

} // namespace

double Street::yAt(double x) const {
    if (to.x == from.x) return from.y;
    return from.y + (to.y - from.y) * (x - from.x) / (to.x - from.x);
}

Town::Town(const std::string& fileName, bool careerTown, uint64_t seed)
    : file(fileName), career(careerTown), s(careerTown ? 1.0 : double(kMapScale)), rng(seed) {
    // House pictures are measured in the set this town is drawn with.
    scenario.careerMode = careerTown ? 1 : 0;
    clearMap();
    std::memset(&mapBackground, 0, sizeof mapBackground);
    allocMapTileBuffers();
    ground.seed = seed * 7919 + 17;
    ground.scale = s;
}

Street& Town::street(const std::string& name, Pt from, Pt to, bool centreLine) {
    Street st;
    st.name = name;
    st.from = from;
    st.to = to;
    st.width = career ? 30 : 13;
    st.pavement = career ? 7 : 3;
    st.centreLine = centreLine && career;
    // House numbers start a little way along, as streets run on beyond the map.
    const int first = 1 + 2 * rng.below(6);
    st.nextOdd = first;
    st.nextEven = first + 1;
    streets_.push_back(st);
    Road road;
    road.points = {from, to};
    road.width = st.width;
    road.pavement = st.pavement;
    road.centreLine = st.centreLine;
    ground.roads.push_back(road);
    return streets_.back();
}

Street& Town::walk(const std::string& name, Pt from, Pt to) {
    Street& st = street(name, from, to, false);
    st.width = career ? 19 : 11;
    st.pavement = 2;
    ground.roads.back().width = st.width;
    ground.roads.back().pavement = st.pavement;
    return st;
}

void Town::junction(Pt at, double size) {
    ground.junctions.push_back({at, size});
}

void Town::path(std::vector<Pt> points, double width) {
    Road p;
    p.points = std::move(points);
    p.width = width;
    p.pavement = 0;
    p.centreLine = false;
    ground.paths.push_back(p);
}

int Town::width(const std::string& picture, bool isHouse) const {
    return drawSet(career, isHouse).sprites[pictureIndex(picture, isHouse)].sprite.width;
}

int Town::height(const std::string& picture, bool isHouse) const {
    return drawSet(career, isHouse).sprites[pictureIndex(picture, isHouse)].sprite.height;
}

std::string Town::address(Street& st, bool oddSide) {
    int& next = oddSide ? st.nextOdd : st.nextEven;
    const int number = next;
    next += 2;
    return std::to_string(number) + " " + st.name;
}

int Town::house(const std::string& picture, double x, double baseY, const std::string& addressText) {
    const int index = pictureIndex(picture, true);
    const int w = width(picture, true), h = height(picture, true);
    const int ix = int(std::lround(x)), iy = int(std::lround(baseY));
    // Wholly on the map, clear of the top bar's plaques and above the bottom panel.
    if (ix - w / 2 < 0 || ix + (w + 1) / 2 > kMapWidth || iy - h < 34 || iy > 418)
        gen::die("%s: house %s at (%d, %d) leaves the map", file.c_str(), picture.c_str(), ix, iy);
    MapHouse* hm = addHouse();
    if (!hm) gen::die("out of memory");
    hm->x = ix;
    hm->y = iy;
    hm->pictureIndex = index;
    const HouseKind& kind = kindOf(picture);
    const int steps = (kind.highValue - kind.lowValue) / 500;
    hm->baseValue = kind.lowValue + 500 * rng.below(steps + 1);
    hm->bedrooms = kind.bedrooms;
    hm->bathrooms = kind.bathrooms;
    // Wide bungalows and the garage family homes have a second bathroom.
    if (picture == "bungalow_slate" || picture == "family_grey") hm->bathrooms += 1;
    widenInto(hm->address, 1000, "%s", addressText.c_str());
    fillHouseDefaults(*hm);
    const int me = houseCount - 1;
    const Box mine = houseBox(me);
    for (int i = 0; i < me; ++i) {
        if (std::abs(mapHouses[i].y - iy) > 6) continue; // another row may stand behind
        const Box other = houseBox(i);
        if (mine.x0 < other.x1 - 1 && other.x0 < mine.x1 - 1)
            gen::die("%s: houses %d and %d overlap", file.c_str(), i, me);
    }
    return me;
}

void Town::bg(const std::string& object, double x, double y, bool flip) {
    addMapObject(backgroundObjects, int(std::lround(x)), int(std::lround(y)), pictureIndex(object, false),
                 flip, false);
}

void Town::fg(const std::string& object, double x, double y, bool flip, bool onTop) {
    addMapObject(foregroundObjects, int(std::lround(x)), int(std::lround(y)), pictureIndex(object, false),
                 flip, onTop);
}

void Town::label(const std::string& text, double x, double y, int slant) {
    char16_t wide[1000];
    widenInto(wide, 1000, "%s", text.c_str());
    // A label's picture hangs below its anchor: the capitals of arial12_bld run from 2 to 12
    // pixels under it, so the anchor sits 7 pixels above the middle of the letters.
    addLabel(int(std::lround(x)), int(std::lround(y - 7)), wide, slant);
    // About 7 pixels a letter; a slanted label sweeps up and down by half its width.
    const double half = 3.6 * double(text.size()) + 4;
    const double rise = slant == 0 ? 8 : 8 + half * 0.45;
    labelAreas_.push_back({x - half, y - rise, x + half, y + rise});
}

double Town::clearOfLabels(double x, double y, const std::string& object) const {
    const double w = width(object, false), h = height(object, false);
    for (int step = 0; step < 40; ++step, x += 8) {
        bool hit = false;
        for (const Area& a : labelAreas_)
            hit |= x + w / 2 > a.x0 && x - w / 2 < a.x1 && y > a.y0 && y - h < a.y1;
        if (!hit) return x;
    }
    return x;
}

void Town::streetLabel(const Street& st, double x) {
    const double slope = st.to.x == st.from.x ? 0 : (st.to.y - st.from.y) / (st.to.x - st.from.x);
    const int slant = slope > 0.05 ? 30 : slope < -0.05 ? 60 : 0;
    // On the near lane, clear of a centre line; other streets carry it in the middle.
    label(st.name, x, st.yAt(x) + (st.centreLine ? st.width / 4 + 1 : 0), slant);
}

void Town::row(Street& st, bool oddSide, double baseY, double x0, double x1,
               const std::vector<std::string>& pictures) {
    static const std::vector<std::string> kTreesBehind = {
        "oak_medium", "birch_medium", "maple_autumn_small", "cherry_blossom_small",
        "apple_tree", "pine_medium",  "poplar_medium",      "oak_small"};
    static const std::vector<std::string> kShrubs = {"bush_round", "bush_flowering",   "flowerbed_mixed",
                                                     "bush_berry", "flowerbed_tulips", "topiary_cone"};
    double total = 0;
    for (const std::string& p : pictures) total += width(p, true);
    const double gap = (x1 - x0 - total) / double(pictures.size());
    if (gap < 0) gen::die("%s: row on %s is too full", file.c_str(), st.name.c_str());
    double x = x0 + gap / 2;
    std::vector<double> centres;
    for (const std::string& p : pictures) {
        const double w = width(p, true);
        const double cx = std::round(x + w / 2);
        house(p, cx, baseY, address(st, oddSide));
        path({{cx, baseY - 4 * s}, {cx, st.yAt(cx) - st.width / 2}}, 9 * s);
        if (career && rng.chance(0.35))
            fg("mailbox_post", cx + w * 0.3, st.yAt(cx) - st.width / 2 - st.pavement - 1);
        centres.push_back(cx);
        x += w + gap;
    }
    // Between neighbours: a tree behind, a shrub in front.
    for (size_t i = 0; i + 1 < centres.size(); ++i) {
        const double left = centres[i] + width(pictures[i], true) / 2.0;
        const double right = centres[i + 1] - width(pictures[i + 1], true) / 2.0;
        const double mid = (left + right) / 2;
        if (right - left >= 22 * s)
            bg(kTreesBehind[size_t(rng.below(int(kTreesBehind.size())))], mid, baseY - 12 * s,
               rng.chance(0.5));
        const std::string& shrub = kShrubs[size_t(rng.below(int(kShrubs.size())))];
        if (right - left >= width(shrub, false) + 4) fg(shrub, mid, baseY + 2 * s, rng.chance(0.5));
    }
}

void Town::car(const Street& st, double x, bool nearLane, const std::string& picture) {
    x = clearOfLabels(x, st.yAt(x) + (nearLane ? st.width / 2 - 3 * s : -2 * s), picture);
    fg(picture, x, st.yAt(x) + (nearLane ? st.width / 2 - 3 * s : -2 * s), !nearLane);
}

void Town::lamps(const Street& st, double x0, double x1, double spacing, const std::string& picture) {
    for (double x = x0; x <= x1; x += spacing) {
        const double at = clearOfLabels(x, st.yAt(x) + st.width / 2 + st.pavement * 0.6, picture);
        fg(picture, at, st.yAt(at) + st.width / 2 + st.pavement * 0.6);
    }
}

bool Town::nearHouse(double x, double y, double clear) const {
    for (int i = 0; i < houseCount; ++i) {
        const Box b = houseBox(i);
        if (x > b.x0 - clear && x < b.x1 + clear && y > b.y0 - clear && y < b.y1 + clear) return true;
    }
    return false;
}

void Town::grove(double x0, double y0, double x1, double y1, int count, const std::vector<std::string>& kinds,
                 bool foreground) {
    int placed = 0;
    for (int attempt = 0; attempt < count * 40 && placed < count; ++attempt) {
        const double x = rng.range(x0, x1), y = rng.range(y0, y1);
        if (nearHouse(x, y, 8 * s)) continue;
        bool blocked = false;
        for (const Road& r : ground.roads) {
            for (size_t i = 0; i + 1 < r.points.size(); ++i)
                blocked |= distanceToSegment({x, y}, r.points[i], r.points[i + 1]) <
                           r.width / 2 + r.pavement + 3 * s;
        }
        for (const auto& w : ground.water) blocked |= inPolygon(w, x, y);
        for (const auto& p : ground.plazas) blocked |= inPolygon(p, x, y);
        if (blocked) continue;
        const std::string& kind = kinds[size_t(rng.below(int(kinds.size())))];
        if (foreground) {
            fg(kind, x, y, rng.chance(0.5));
        } else {
            bg(kind, x, y, rng.chance(0.5));
        }
        placed += 1;
    }
}

void Town::finish(const std::string& gameDir) {
    const gen::Picture picture = paintBackdrop(ground);
    gen::writeFile(gameDir + "/maps/" + file + ".png", gen::encodePng(picture));
    std::snprintf(mapBackground.fileName, sizeof mapBackground.fileName, "%s.png", file.c_str());
    mapBackground.mode = 1;
    scenario.careerMode = career ? 1 : 0;
    if (!saveMap(file.c_str())) gen::die("cannot write map %s", file.c_str());
    // Read it back through the game's loader: what ships is what the game sees.
    const int houses = houseCount;
    if (!loadMap(file.c_str()) || houseCount != houses) gen::die("map %s does not load back", file.c_str());
}

} // namespace bv::maps
