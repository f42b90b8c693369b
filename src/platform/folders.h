// Folder lookups shared by both backends. Internal to src/platform/.
#pragma once

#include <string>

namespace bv::platform {

// The folder of the running executable, with a trailing '/'.
std::string executableFolder();
// Where the game data lives: the executable's folder when it holds the archive, else the share
// folder beside it (../share/brickvale2/), else the folder the build was installed to. With none
// of them holding it, the executable's folder, and dataSearchNote() lists the folders looked in.
std::string findGameDataFolder(const char* archiveName);

} // namespace bv::platform
