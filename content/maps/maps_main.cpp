// bvmaps CONTENTDIR GAMEDIR [PREVIEWDIR]: the towns, their background pictures and the scenarios,
// written into GAMEDIR/maps through the game's own writers, from the house and object pictures
// ("houses.exs", "objects.exs") in CONTENTDIR. With PREVIEWDIR, each town is also drawn through
// the game's map drawing into PREVIEWDIR/<town>.png, labels included (arial12_bld.spr from
// CONTENTDIR), to look at.
#include <filesystem>
#include <string>

#include "assets/sprites.h"
#include "core/memory.h"
#include "gfx/font.h"
#include "gfx/framebuffer.h"
#include "gfx/png_write.h"
#include "gfx/sprite_startup.h"
#include "out.h"
#include "platform/platform.h"
#include "towns.h"
#include "world/map.h"
#include "world/map_draw.h"
#include "world/map_layers.h"

namespace {

using BuildTown = void (*)(const std::string&);

struct TownEntry {
    const char* file;
    BuildTown build;
};

constexpr TownEntry kTowns[] = {
    {"maple_lane", bv::maps::buildMapleLane},
    {"cedar_park", bv::maps::buildCedarPark},
    {"willow_bend", bv::maps::buildWillowBend},
    {"crown_hill", bv::maps::buildCrownHill},
    {"brickvale_central", bv::maps::buildBrickvaleCentral},
    {"lakeside_estates", bv::maps::buildLakesideEstates},
};

void writePreview(const std::string& folder, const char* town) {
    bv::resetClip();
    std::fill(bv::frameBuffer, bv::frameBuffer + bv::kFramePixels, 0u);
    bv::drawMapTown();
    const std::string path = folder + "/" + town + ".png";
    if (!bv::writePng(path, bv::frameBuffer, bv::kMapWidth, bv::kMapHeight, false))
        bv::gen::die("cannot write %s", path.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) bv::gen::die("usage: bvmaps CONTENTDIR GAMEDIR [PREVIEWDIR]");
    const std::string contentDir = std::filesystem::absolute(argv[1]).string();
    const std::string gameDir = std::filesystem::absolute(argv[2]).string();
    const std::string previewDir = argc > 3 ? std::filesystem::absolute(argv[3]).string() : "";

    bv::memStartup();
    // The pictures come from the content folder as loose files; the maps folder is ours alone, so
    // it starts afresh and a renamed town leaves nothing behind.
    std::filesystem::current_path(contentDir);
    bv::loadMapPictureSets();
    if (!previewDir.empty()) {
        if (!bv::loadFont("arial12_bld.spr", bv::fontArial12Bld))
            bv::gen::die("no arial12_bld.spr in %s", argv[1]);
        bv::allocFrameBuffer();
        std::filesystem::create_directories(previewDir);
    }
    std::error_code error;
    std::filesystem::remove_all(gameDir + "/maps", error);
    std::filesystem::create_directories(gameDir + "/maps");
    bv::platform::setProgramFolder(gameDir + "/");

    for (const TownEntry& town : kTowns) {
        town.build(gameDir);
        if (!previewDir.empty()) writePreview(previewDir, town.file);
    }
    bv::maps::writeScenarios();
    return 0;
}
