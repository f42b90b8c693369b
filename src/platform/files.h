// Low-level file handles (int32 descriptors, -1 = failure) and the current directory.
#pragma once

#include <cstdint>

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
bool changeDirectory(const char* path);

} // namespace bv::platform
