#include "platform/folders.h"

#include <filesystem>

namespace bv::platform {

std::string executableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string findGameDataFolder(const char* archiveName) {
    std::string exe = executableFolder();
    std::error_code ec;
    if (std::filesystem::exists(exe + archiveName, ec)) return exe;
    std::string shared = exe + "../share/brickvale2/";
    if (std::filesystem::exists(shared + archiveName, ec))
        return std::filesystem::weakly_canonical(shared, ec).string() + "/";
    return exe;
}

} // namespace bv::platform
