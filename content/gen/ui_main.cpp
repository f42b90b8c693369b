// bvgen_ui OUTDIR: the interface picture sets "logos", "icons", "bkgnd", "audio_boxes", "part"
// and the number font "bfnt".
#include "ui.h"

#include "assets/picture_ids.h"

namespace {

void writeSet(const std::string& dir, const char* name, const std::vector<bv::gen::Picture>& pictures,
              int expected) {
    if (int(pictures.size()) != expected)
        bv::gen::die("set %s has %zu pictures, not %d", name, pictures.size(), expected);
    bv::gen::writeFile(bv::gen::outPath(dir, std::string(name) + ".bin"), bv::gen::encodeBinSet(pictures));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) bv::gen::die("usage: bvgen_ui OUTDIR");
    const std::string dir = argv[1];
    writeSet(dir, "icons", bv::gen::drawIcons(), bv::pic::kIconCount);
    writeSet(dir, "logos", bv::gen::drawLogos(), bv::pic::kLogoCount);
    writeSet(dir, "bkgnd", bv::gen::drawBackgrounds(), bv::pic::kBkgndCount);
    writeSet(dir, "audio_boxes", bv::gen::drawAudioBoxes(), bv::pic::kAudioBoxCount);
    writeSet(dir, "part", bv::gen::drawSparks(), bv::pic::kSparkCount);
    writeSet(dir, "bfnt", bv::gen::drawNumberFont(), bv::pic::kNumberFontCount);
    return 0;
}
