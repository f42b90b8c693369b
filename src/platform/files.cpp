#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bv::platform {

namespace {
std::string g_lastError;

// Remembers errno's words, in lower case as they read inside a sentence.
bool failed(int error) {
    g_lastError = std::strerror(error);
    if (!g_lastError.empty() && g_lastError[0] >= 'A' && g_lastError[0] <= 'Z')
        g_lastError[0] = char(g_lastError[0] - 'A' + 'a');
    return false;
}
} // namespace

const char* lastFileError() {
    return g_lastError.c_str();
}

bool fsExists(const char* path) {
    struct stat st;
    return path && ::stat(path, &st) == 0;
}

int32_t fsOpen(const char* path, int32_t mode) {
    if (!path) return -1;
    int flags = 0;
    switch (mode) {
    case kRead:
        flags = O_RDONLY;
        break;
    case kWrite:
        flags = O_WRONLY | O_CREAT | O_TRUNC;
        break;
    case kUpdate:
        flags = O_WRONLY | O_CREAT;
        break;
    case kAppendText:
        flags = O_WRONLY | O_CREAT | O_APPEND;
        break;
    default:
        return -1;
    }
    int fd = ::open(path, flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        failed(errno);
        return -1;
    }
    if (mode == kRead) {
        // A folder opens fine on Linux but is not a file.
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return -1;
        }
    }
    return fd;
}

int32_t fsRead(int32_t handle, void* buffer, int32_t count) {
    if (handle < 0 || count <= 0) return 0;
    int32_t done = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (done < count) {
        ssize_t n = ::read(handle, bytes + done, static_cast<size_t>(count - done));
        if (n <= 0) break;
        done += static_cast<int32_t>(n);
    }
    return done;
}

namespace {
int64_t g_writeBudget = -1;
} // namespace

void setWriteLimitForTests(int64_t bytes) {
    g_writeBudget = bytes;
}

int32_t fsWrite(int32_t handle, const void* buffer, int32_t count) {
    if (handle < 0 || count <= 0) return 0;
    if (g_writeBudget >= 0) {
        if (count > g_writeBudget) {
            count = static_cast<int32_t>(g_writeBudget);
            failed(ENOSPC);
        }
        g_writeBudget -= count;
        if (count <= 0) return 0;
    }
    int32_t done = 0;
    const auto* bytes = static_cast<const char*>(buffer);
    while (done < count) {
        ssize_t n = ::write(handle, bytes + done, static_cast<size_t>(count - done));
        if (n <= 0) {
            failed(n < 0 ? errno : ENOSPC);
            break;
        }
        done += static_cast<int32_t>(n);
    }
    return done;
}

int32_t fsSeek(int32_t handle, int32_t offset, int32_t origin) {
    if (handle < 0) return -1;
    int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
    off_t at = ::lseek(handle, offset, whence);
    return at < 0 ? -1 : static_cast<int32_t>(at);
}

void fsClose(int32_t handle) {
    if (handle >= 0) ::close(handle);
}

bool fsSyncClose(int32_t handle) {
    if (handle < 0) return false;
    const bool synced = ::fsync(handle) == 0 || failed(errno);
    return (::close(handle) == 0 || failed(errno)) && synced;
}

bool fsReplace(const char* from, const char* to) {
    return from && to && (std::rename(from, to) == 0 || failed(errno));
}

bool fsRemove(const char* path) {
    return path && std::remove(path) == 0;
}

bool changeDirectory(const char* path) {
    return path && ::chdir(path) == 0;
}

std::vector<FolderEntry> fsListFolder(const char* path, size_t limit) {
    namespace fs = std::filesystem;
    std::vector<FolderEntry> out;
    std::error_code ec;
    // Advanced with error codes: a folder that fails part way (removed, unreadable, on a broken
    // disk) ends the listing instead of throwing.
    for (fs::directory_iterator it(path ? path : "", ec), end; !ec && it != end && out.size() < limit;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name == "." || name == "..") continue;
        std::error_code kindError;
        const bool folder = it->is_directory(kindError);
        out.push_back({std::move(name), folder && !kindError});
    }
    return out;
}

std::string fsRealPath(const char* path) {
    std::error_code ec;
    std::filesystem::path real = std::filesystem::canonical(path ? path : "", ec);
    return ec ? std::string() : real.string();
}

} // namespace bv::platform
