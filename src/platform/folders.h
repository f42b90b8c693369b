// Folder lookups shared by both backends. Internal to src/platform/.
#pragma once

#include <string>

namespace bv::platform {

// The folder of the running executable, with a trailing '/'.
std::string executableFolder();
// Where the game data lives: the executable's folder when it holds the archive, else the installed
// share folder beside it (../share/brickvale2/), else the executable's folder.
std::string findGameDataFolder(const char* archiveName);

} // namespace bv::platform
