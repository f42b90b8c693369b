// bvgen_town OUTDIR GAMEDIR: "houses.exs" and "objects.exs", and the same pictures as PNG files
// in GAMEDIR/map_houses/<kind>/ and GAMEDIR/map_objects/<kind>/ for the editor's pickers.
#include <filesystem>
#include <set>

#include "town.h"

namespace bv::gen {

void addNatureObjects(std::vector<TownPicture>& out);
void addStreetObjects(std::vector<TownPicture>& out);
void addRoadObjects(std::vector<TownPicture>& out);

std::vector<TownPicture> drawObjects() {
    std::vector<TownPicture> out;
    addNatureObjects(out); // starts with the grass tile: object 0 sets the map's tile grid
    addStreetObjects(out);
    addRoadObjects(out);
    return out;
}

} // namespace bv::gen

namespace {

void writeTownSet(const std::string& outDir, const std::string& gameDir, const char* setName,
                  const char* folder, const std::vector<bv::gen::TownPicture>& pictures) {
    std::set<std::string> names;
    std::vector<bv::gen::Picture> set;
    for (const bv::gen::TownPicture& t : pictures) {
        std::string upper = t.picture.name;
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        if (!names.insert(upper).second) bv::gen::die("two pictures named %s", t.picture.name.c_str());
        set.push_back(t.picture);
    }
    bv::gen::writeFile(bv::gen::outPath(outDir, setName), bv::gen::encodeExsSet(set));
    // The folder is ours alone: start it afresh so that renamed pictures leave nothing behind.
    const std::string root = gameDir + "/" + folder;
    std::error_code error;
    std::filesystem::remove_all(root, error);
    for (const bv::gen::TownPicture& t : pictures)
        bv::gen::writeFile(root + "/" + t.folder + "/" + t.picture.name, bv::gen::encodePng(t.picture));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) bv::gen::die("usage: bvgen_town OUTDIR GAMEDIR");
    writeTownSet(argv[1], argv[2], "houses.exs", "map_houses", bv::gen::drawHouses());
    writeTownSet(argv[1], argv[2], "objects.exs", "map_objects", bv::gen::drawObjects());
    return 0;
}
