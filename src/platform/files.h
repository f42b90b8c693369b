// Low-level file handles (int32 descriptors, -1 = failure) and the current directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bv::platform {

enum FileMode : int32_t {
    kRead = 1,       // binary, read-only
    kWrite = 2,      // binary, write-only, create, truncate
    kUpdate = 3,     // binary, write-only, create, no truncation
    kAppendText = 4, // write-only, create, append
};

int32_t fsOpen(const char* path, int32_t mode);
int32_t fsRead(int32_t handle, void* buffer, int32_t count);
int32_t fsWrite(int32_t handle, const void* buffer, int32_t count);
// origin: 0 start, 1 current, 2 end. Returns the new position or -1.
int32_t fsSeek(int32_t handle, int32_t offset, int32_t origin);
void fsClose(int32_t handle);
// Flushes what was written to the disk and closes the handle; false when either fails.
bool fsSyncClose(int32_t handle);
// Renames a file over another in the same folder (the old one is replaced in one step).
bool fsReplace(const char* from, const char* to);
bool fsRemove(const char* path);
bool changeDirectory(const char* path);
// Whether a path names an existing file or folder.
bool fsExists(const char* path);
// One entry of a folder listing; a symbolic link counts as what it leads to.
struct FolderEntry {
    std::string name;
    bool folder;
};
// At most `limit` entries of a folder ("." and ".." left out), in the file system's order. A folder
// that cannot be read gives none, and a read error part way ends the list there; neither ever ends
// the program.
std::vector<FolderEntry> fsListFolder(const char* path, size_t limit);
// The path with every link and "." or ".." resolved; "" when it cannot be resolved.
std::string fsRealPath(const char* path);

// Why the last open, write, flush or rename above failed, in words ("permission denied", "no
// space left on device"); "" before any failure.
const char* lastFileError();

// Tests: every write after the next `bytes` bytes fails (a full disk); -1 lifts the limit.
void setWriteLimitForTests(int64_t bytes);

} // namespace bv::platform
