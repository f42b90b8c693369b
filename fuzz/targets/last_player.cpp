// The last-player file from its image, then what start-up does with the name: the player's save
// file named after it, which must lie in the save folder whatever the name holds.
#include <cstring>
#include <string>

#include "fuzz.h"
#include "levels/save.h"
#include "platform/platform.h"
#include "sim/owners.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!bv::readLastPlayer(data, size)) return 0;
    FUZZ_CHECK(std::strlen(bv::playerName) < size_t(bv::kLastPlayerBytes));
    const std::string folder = bv::platform::userDataFolder();
    const std::string path = bv::saveFilePathFor(bv::playerName);
    FUZZ_CHECK(path.compare(0, folder.size(), folder) == 0);
    const std::string file = path.substr(folder.size());
    FUZZ_CHECK(file.find('/') == std::string::npos && file[0] != '.');
    return 0;
}
