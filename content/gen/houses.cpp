// "houses.exs": the town's house pictures, eight kinds in several colourways, named after their
// PNG files in map_houses/<kind>/. Full size they stand at most ~125 px high (the house panel
// shows them at full size); tycoon maps show them at 5/12.
#include "town.h"

namespace bv::gen {

namespace {

struct Palette {
    const char* name;
    uint32_t wall, roof, door, shutter, trim;
};

HouseStyle base(const Palette& p) {
    HouseStyle s;
    s.wall = hexColour(p.wall), s.roofColour = hexColour(p.roof), s.door = hexColour(p.door);
    s.shutter = hexColour(p.shutter), s.trim = hexColour(p.trim);
    return s;
}

void add(std::vector<TownPicture>& out, const std::string& kind, const std::string& name,
         const HouseStyle& s) {
    Picture p = cropped(
        260, 220, [&](cairo_t* cr) { drawHouse(cr, 120, 205, s); }, name);
    if (p.height > 125) die("house %s is %d px high", name.c_str(), p.height);
    p.name = name + ".png";
    out.push_back({p, kind});
}

} // namespace

std::vector<TownPicture> drawHouses() {
    std::vector<TownPicture> out;
    const Palette cottages[] = {{"rose", 0xF6C6C4, 0x8C4B3A, 0x6B8E4E, 0x7A9E5E, 0xFFFFFF},
                                {"sky", 0xBFE0F2, 0x5E5A66, 0xD9534F, 0x4F7FB5, 0xFFFFFF},
                                {"mint", 0xC9EBD2, 0x9A5B3C, 0x3F6FA8, 0x5E9E74, 0xFFFFFF},
                                {"lemon", 0xFBE9A6, 0x7A6250, 0x2E7D6B, 0x5F8FB0, 0xFFFFFF},
                                {"thatch", 0xF5EBD9, 0xC9A45C, 0x7A4B2A, 0x7A4B2A, 0xF5EBD9}};
    for (const Palette& p : cottages) {
        HouseStyle s = base(p);
        s.width = 62, s.wallHeight = 34, s.depth = 36, s.roofHeight = 30, s.windows = 2;
        s.roof = Roof::kGableSide, s.chimney = true, s.windowBoxes = true, s.shutters = true;
        add(out, "cottages", std::string("cottage_") + p.name, s);
    }
    const Palette bungalows[] = {{"sand", 0xEAD7B0, 0xA0522D, 0x2F5D8C, 0x2F5D8C, 0xFFFFFF},
                                 {"sage", 0xC5D6B2, 0x59524C, 0xC0392B, 0x59524C, 0xFFFFFF},
                                 {"coral", 0xF7B9A0, 0x6F6A73, 0x2E7D6B, 0x2E7D6B, 0xFFFFFF},
                                 {"slate", 0xB9C4CF, 0x3F4752, 0xF2C14E, 0x3F4752, 0xFFFFFF}};
    for (const Palette& p : bungalows) {
        HouseStyle s = base(p);
        s.width = 84, s.wallHeight = 32, s.depth = 44, s.roofHeight = 22, s.windows = 3;
        s.roof = Roof::kHip, s.garage = true, s.porch = true, s.siding = true, s.doorSide = 1;
        add(out, "bungalows", std::string("bungalow_") + p.name, s);
    }
    const Palette terraces[] = {{"red_brick", 0xC4674D, 0x4E4A50, 0x1F4E79, 0x1F4E79, 0xF3EFE6},
                                {"yellow_brick", 0xE2C27D, 0x5A5560, 0x8E2B2B, 0x8E2B2B, 0xFFFFFF},
                                {"blue", 0x9CC3E0, 0x4E4A50, 0xF2C14E, 0xF2C14E, 0xFFFFFF},
                                {"cream", 0xF4E6C8, 0x6B5B52, 0x2E7D6B, 0x2E7D6B, 0xFFFFFF}};
    for (const Palette& p : terraces) {
        HouseStyle s = base(p);
        s.width = 50, s.wallHeight = 64, s.depth = 30, s.roofHeight = 18, s.storeys = 2, s.windows = 1;
        s.roof = Roof::kGableSide, s.chimney = true, s.doorSide = -1, s.bay = true, s.bushes = false;
        s.brick = std::string(p.name).find("brick") != std::string::npos;
        add(out, "terraces", std::string("terrace_") + p.name, s);
    }
    const Palette family[] = {{"white", 0xF7F4EC, 0x5B6B7C, 0xC0392B, 0x3F6FA8, 0xFFFFFF},
                              {"blue", 0xA9CBE8, 0x5A4E4A, 0xFFFFFF, 0x2F4F7F, 0xFFFFFF},
                              {"green", 0xB8D8A8, 0x7C4A33, 0x7C4A33, 0x4E7D3A, 0xFFFFFF},
                              {"peach", 0xF8CFA8, 0x6B5E7A, 0x3F6FA8, 0x6B5E7A, 0xFFFFFF},
                              {"grey", 0xC9C6C0, 0x3D3A45, 0xE07B39, 0x3D3A45, 0xFFFFFF}};
    int n = 0;
    for (const Palette& p : family) {
        HouseStyle s = base(p);
        s.width = 80, s.wallHeight = 60, s.depth = 42, s.roofHeight = 28, s.storeys = 2, s.windows = 2;
        s.roof = n % 2 ? Roof::kGableFront : Roof::kGableSide;
        s.porch = true, s.siding = true, s.shutters = n % 2 == 0, s.chimney = n % 2 == 0, s.garage = n == 4;
        add(out, "family", std::string("family_") + p.name, s);
        ++n;
    }
    const Palette townhouses[] = {{"brick", 0xB5593F, 0x3E3B44, 0x2B2B2B, 0x2B2B2B, 0xF3EFE6},
                                  {"navy", 0x4A6A93, 0x2E2E36, 0xF2C14E, 0xF2C14E, 0xFFFFFF},
                                  {"olive", 0xA3A874, 0x4A4438, 0x8E2B2B, 0x8E2B2B, 0xFFFFFF},
                                  {"plum", 0x9C6E8E, 0x3E3340, 0xFFFFFF, 0xFFFFFF, 0xF8F1F5}};
    n = 0;
    for (const Palette& p : townhouses) {
        HouseStyle s = base(p);
        s.width = 54, s.wallHeight = 84, s.depth = 32, s.roofHeight = 16, s.storeys = 3, s.windows = 1;
        s.roof = n % 2 ? Roof::kFlat : Roof::kMansard, s.dormers = false, s.doorSide = 1, s.bushes = false;
        s.brick = n == 0, s.windowBoxes = true;
        add(out, "townhouses", std::string("townhouse_") + p.name, s);
        ++n;
    }
    const Palette victorians[] = {{"lavender", 0xC7B8E0, 0x5B4A72, 0xC0392B, 0x5B4A72, 0xFFF6E8},
                                  {"teal", 0x7FC4BE, 0x8C3B3B, 0xF2C14E, 0x8C3B3B, 0xFFF6E8},
                                  {"rose", 0xF0A8B8, 0x4F5B7A, 0x2E7D6B, 0x4F5B7A, 0xFFFFFF},
                                  {"butter", 0xF7DF8C, 0x4E6E5D, 0x8E2B2B, 0x4E6E5D, 0xFFFFFF}};
    for (const Palette& p : victorians) {
        HouseStyle s = base(p);
        s.width = 78, s.wallHeight = 62, s.depth = 40, s.roofHeight = 30, s.storeys = 2, s.windows = 2;
        s.roof = Roof::kGableFront, s.turret = true, s.bay = true, s.porch = true, s.siding = true;
        s.doorSide = 1, s.chimney = true;
        add(out, "victorians", std::string("victorian_") + p.name, s);
    }
    const Palette villas[] = {{"white", 0xF7F7F2, 0x9AA3AD, 0x3B3B3B, 0x3B3B3B, 0xE8E8E2},
                              {"timber", 0xC8A27A, 0x8E9AA3, 0x2B2B2B, 0x2B2B2B, 0xF2F2EE},
                              {"charcoal", 0x6E727A, 0xB0B8C0, 0xF2C14E, 0xF2C14E, 0xDADDE0},
                              {"sand", 0xEBD9B8, 0xA7A096, 0x2E7D6B, 0x2E7D6B, 0xFFFFFF}};
    for (const Palette& p : villas) {
        HouseStyle s = base(p);
        s.width = 96, s.wallHeight = 58, s.depth = 48, s.roofHeight = 0, s.storeys = 2, s.windows = 3;
        s.roof = Roof::kFlat, s.garage = true, s.doorSide = -1, s.siding = std::string(p.name) == "timber";
        add(out, "villas", std::string("villa_") + p.name, s);
    }
    const Palette mansions[] = {{"classic", 0xF4EEDF, 0x4A5568, 0x2F4F7F, 0x2F4F7F, 0xFFFFFF},
                                {"manor", 0xC9866A, 0x3E4A3D, 0x1F3D2B, 0x1F3D2B, 0xF5EFE3},
                                {"estate", 0xE9E1C8, 0x7A3E2E, 0x5B2A1E, 0x5B2A1E, 0xFFFFFF}};
    n = 0;
    for (const Palette& p : mansions) {
        HouseStyle s = base(p);
        s.width = 132, s.wallHeight = 64, s.depth = 50, s.roofHeight = 30, s.storeys = 2, s.windows = 4;
        s.roof = n == 1 ? Roof::kGableSide : Roof::kHip, s.columns = true, s.chimney = true,
        s.dormers = n != 0;
        s.shutters = n == 0, s.brick = n == 1;
        add(out, "mansions", std::string("mansion_") + p.name, s);
        ++n;
    }
    return out;
}

} // namespace bv::gen
