// Building one town: streets and ground for the background picture, houses, scenery objects and
// street labels written straight into the game's map records, then saved with the game's writer.
//
// Positions are map pixels. Houses and objects stand on their anchor (the bottom centre of the
// picture); streets are given by their centre lines. A career town uses the full-size pictures,
// a tycoon town the 5/12 copies, so `s` (1 or 5/12) scales every distance a layout derives from
// picture sizes.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "backdrop.h"
#include "out.h"

namespace bv::maps {

struct Street {
    std::string name;
    Pt from, to;         // centre line
    double width = 30;   // asphalt
    double pavement = 7; // each side
    bool centreLine = true;
    int nextOdd = 1;
    int nextEven = 2;

    double top() const { return std::min(from.y, to.y) - width / 2 - pavement; }
    double bottom() const { return std::max(from.y, to.y) + width / 2 + pavement; }
    // The y of the centre line at x (streets are straight).
    double yAt(double x) const;
};

class Town {
  public:
    Town(const std::string& file, bool career, uint64_t seed);

    const std::string file;
    const bool career;
    const double s;
    gen::Rng rng;
    Backdrop ground;

    // --- Ground ------------------------------------------------------------------------------
    // A street with pavements and a dashed centre line; the returned record stays valid.
    Street& street(const std::string& name, Pt from, Pt to, bool centreLine = true);
    Street& street(const std::string& name, double y, double x0, double x1, bool centreLine = true) {
        return street(name, Pt{x0, y}, Pt{x1, y}, centreLine);
    }
    // A narrow paved walk with a kerb and no pavement: park walks and riverside paths that carry
    // a name.
    Street& walk(const std::string& name, Pt from, Pt to);
    void junction(Pt at, double size);
    void path(std::vector<Pt> points, double width);
    void lawn(std::vector<Pt> polygon) { ground.lawns.push_back(std::move(polygon)); }
    void water(std::vector<Pt> polygon) { ground.water.push_back(std::move(polygon)); }
    void plaza(std::vector<Pt> polygon) { ground.plazas.push_back(std::move(polygon)); }
    void bed(std::vector<Pt> polygon) { ground.beds.push_back(std::move(polygon)); }

    // --- Map contents ------------------------------------------------------------------------
    // A house of the named picture standing at (x, baseY); its value and rooms follow its kind.
    // Returns its index. Fails the build when the picture is unknown or the house leaves the map.
    int house(const std::string& picture, double x, double baseY, const std::string& address);
    // The next house number on a street: odd numbers on one side, even on the other.
    std::string address(Street& street, bool oddSide);
    void bg(const std::string& object, double x, double y, bool flip = false);
    void fg(const std::string& object, double x, double y, bool flip = false, bool onTop = false);
    // A label whose letters are centred on (x, y); slant 0 level, 30 falling to the right, 60
    // rising to the right.
    void label(const std::string& text, double x, double y, int slant = 0);
    // The street's name on its near lane, level or slanted to follow the street.
    void streetLabel(const Street& street, double x);

    // --- Layout helpers ----------------------------------------------------------------------
    int width(const std::string& picture, bool isHouse) const;
    int height(const std::string& picture, bool isHouse) const;
    // Houses in a row on baseY across [x0, x1], numbered along `street`, with a garden path down
    // to the street from each; the gaps get trees behind and shrubs in front.
    void row(Street& street, bool oddSide, double baseY, double x0, double x1,
             const std::vector<std::string>& pictures);
    // Lamps and cars keep clear of the labels placed before them.
    // A parked car on the near (true) or far lane of a level street.
    void car(const Street& street, double x, bool nearLane, const std::string& picture);
    // Lamps along the near pavement of a level street every `spacing` pixels.
    void lamps(const Street& street, double x0, double x1, double spacing, const std::string& picture);
    // `count` trees of the given kinds scattered over a rectangle, in the background layer, kept
    // `clear` pixels away from every house's picture.
    void grove(double x0, double y0, double x1, double y1, int count, const std::vector<std::string>& kinds,
               bool foreground = false);
    bool nearHouse(double x, double y, double clear) const;

    // Paints the background picture into gameDir/maps/<file>.png and writes <file>.map.
    void finish(const std::string& gameDir);

  private:
    struct Area {
        double x0, y0, x1, y1;
    };
    // Where labels lie; lamps and cars placed afterwards step aside from them.
    std::vector<Area> labelAreas_;
    // The first x at or after `x` where an object of the given size standing at y clears every label.
    double clearOfLabels(double x, double y, const std::string& object) const;
    std::deque<Street> streets_;
};

} // namespace bv::maps
