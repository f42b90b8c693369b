#include "platform/folders.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bv::platform {

std::string executableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

namespace {
std::string g_searchNote;
} // namespace

std::string findGameDataFolder(const char* archiveName) {
    const std::string exe = executableFolder();
    std::vector<std::string> places = {exe, exe + "../share/brickvale2/"};
#ifdef BV_INSTALL_DATADIR
    places.push_back(std::string(BV_INSTALL_DATADIR) + "/");
#endif
    std::error_code ec;
    for (const std::string& place : places) {
        if (!std::filesystem::exists(place + archiveName, ec)) continue;
        const std::string found = std::filesystem::weakly_canonical(place, ec).string();
        return ec ? place : (found.empty() || found.back() != '/' ? found + "/" : found);
    }
    g_searchNote = std::string("The game's data (") + archiveName + ") is in none of these folders:";
    for (const std::string& place : places) {
        const std::string shown = std::filesystem::weakly_canonical(place, ec).string();
        g_searchNote += std::string("\n  ") + (ec || shown.empty() ? place : shown);
    }
    g_searchNote += "\n";
    return exe;
}

const char* dataSearchNote() {
    return g_searchNote.c_str();
}

} // namespace bv::platform
