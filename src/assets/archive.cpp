#include "assets/archive.h"

#include <string>
#include <zlib.h>

#include "assets/hash.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "platform/byte_reader.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace bv {

namespace {

constexpr uint32_t kEntryBytes = 16;
// Deflate cannot expand one stored byte into more than about 1032 bytes (a 258-byte match coded
// in two bits). An unpacked size beyond that is garbage and must not size an allocation.
constexpr uint64_t kMaxInflateRatio = 1032;

struct DirEntry {
    uint32_t nameHash;
    uint32_t storedSize;
    uint32_t unpackedSize; // 0: stored as is
    uint32_t offset;       // from the start of the archive file
};

struct Archive {
    bool opened = false;
    std::string path;
    uint32_t fileLength = 0;
    uint32_t count = 0;
    DirEntry* entries = nullptr;
    // The file opened last by fileOpen: loadFile and fileSize need its entry's sizes.
    bool lastFromArchive = false;
    DirEntry last{};
};
Archive g_archive;

// An entry can be opened only if its bytes lie inside the archive and its unpacked size is one
// that its stored bytes could really produce.
bool entryUsable(const DirEntry& e) {
    if (static_cast<uint64_t>(e.offset) + e.storedSize > g_archive.fileLength) return false;
    return static_cast<uint64_t>(e.unpackedSize) <= static_cast<uint64_t>(e.storedSize) * kMaxInflateRatio;
}

[[noreturn]] void failOpen(int32_t handle) {
    platform::fsClose(handle);
    fatal("Failed to open %s for reading!\n%s", g_archive.path.c_str(), platform::dataSearchNote());
}

void forgetLast() {
    g_archive.lastFromArchive = false;
    g_archive.last = DirEntry{};
}

} // namespace

void archiveOpen(const char* archiveName) {
    if (g_archive.opened) return;
    g_archive.path = platform::programFolder() + (archiveName ? archiveName : "");
    int32_t handle = platform::fsOpen(g_archive.path.c_str(), platform::kRead);
    if (handle < 0)
        fatal("Failed to open %s for reading!\n%s", g_archive.path.c_str(), platform::dataSearchNote());

    int32_t length = platform::fsSeek(handle, 0, 2);
    uint8_t countBytes[4];
    if (length < 4 || platform::fsSeek(handle, 0, 0) != 0 || platform::fsRead(handle, countBytes, 4) != 4)
        failOpen(handle);
    uint32_t count = u32At(countBytes, sizeof countBytes, 0);
    // A directory that the file cannot hold is a damaged archive, not a reason to allocate.
    uint64_t directoryBytes = static_cast<uint64_t>(count) * kEntryBytes;
    if (4 + directoryBytes > static_cast<uint64_t>(length)) failOpen(handle);

    auto* raw = static_cast<uint8_t*>(memAlloc(directoryBytes));
    if (!raw) {
        platform::fsClose(handle);
        fatal("Can't malloc for blob header.\n");
    }
    if (platform::fsRead(handle, raw, static_cast<int32_t>(directoryBytes)) !=
        static_cast<int32_t>(directoryBytes)) {
        memFree(raw);
        failOpen(handle);
    }
    platform::fsClose(handle);

    // Decode in place: each 16-byte record becomes one DirEntry of the same size.
    static_assert(sizeof(DirEntry) == kEntryBytes);
    auto* entries = reinterpret_cast<DirEntry*>(raw);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = size_t(i) * kEntryBytes;
        DirEntry e{u32At(raw, directoryBytes, at), u32At(raw, directoryBytes, at + 4),
                   u32At(raw, directoryBytes, at + 8), u32At(raw, directoryBytes, at + 12)};
        entries[i] = e;
    }
    g_archive.entries = entries;
    g_archive.count = count;
    g_archive.fileLength = static_cast<uint32_t>(length);
    g_archive.opened = true;
    forgetLast();
}

void archiveCloseForTests() {
    memFree(g_archive.entries);
    g_archive = Archive{};
}

int32_t fileOpen(const char* name, int32_t mode) {
    if (!name) return -1;
    int32_t handle = platform::fsOpen(name, mode);
    if (handle >= 0) {
        forgetLast();
        return handle;
    }
    if (mode != kFileRead || !g_archive.opened) return -1;

    // Entries are matched by hash alone; the first one that can be opened wins.
    uint32_t hash = nameHash(name);
    for (uint32_t i = 0; i < g_archive.count; ++i) {
        const DirEntry& e = g_archive.entries[i];
        if (e.nameHash != hash || !entryUsable(e)) continue;
        handle = platform::fsOpen(g_archive.path.c_str(), platform::kRead);
        if (handle < 0) continue;
        if (platform::fsSeek(handle, static_cast<int32_t>(e.offset), 0) != static_cast<int32_t>(e.offset)) {
            platform::fsClose(handle);
            continue;
        }
        g_archive.lastFromArchive = true;
        g_archive.last = e;
        return handle;
    }
    return -1;
}

int32_t fileRead(int32_t handle, void* buffer, int32_t count) {
    return platform::fsRead(handle, buffer, count);
}

int32_t fileWrite(int32_t handle, const void* buffer, int32_t count) {
    return platform::fsWrite(handle, buffer, count);
}

int32_t fileSeek(int32_t handle, int32_t offset, int32_t origin) {
    return platform::fsSeek(handle, offset, origin);
}

void fileClose(int32_t handle) {
    platform::fsClose(handle);
}

uint32_t loadFile(const char* name, void*& buffer, uint32_t capacity) {
    if (capacity != 0 && !buffer) return 0;
    int32_t handle = fileOpen(name, kFileRead);
    if (handle < 0) return 0;

    uint32_t readSize = g_archive.last.storedSize;
    uint32_t unpackedSize = g_archive.last.unpackedSize;
    if (!g_archive.lastFromArchive) {
        int32_t end = platform::fsSeek(handle, 0, 2);
        if (end < 0 || platform::fsSeek(handle, 0, 0) != 0) {
            platform::fsClose(handle);
            return 0;
        }
        readSize = static_cast<uint32_t>(end);
        unpackedSize = 0;
    }
    // Sizes are handed to the 32-bit file layer; larger ones cannot be genuine assets.
    if (readSize > INT32_MAX || unpackedSize > INT32_MAX) {
        platform::fsClose(handle);
        return 0;
    }
    uint32_t outSize = unpackedSize != 0 ? unpackedSize : readSize;
    if (outSize == 0 || (capacity != 0 && capacity < outSize)) {
        platform::fsClose(handle);
        return 0;
    }
    void* out = capacity == 0 ? memAlloc(outSize) : buffer;
    if (!out) {
        platform::fsClose(handle);
        return 0;
    }
    auto release = [&] {
        if (capacity == 0) memFree(out);
    };

    uint32_t delivered = 0;
    if (unpackedSize == 0) {
        int32_t got = platform::fsRead(handle, out, static_cast<int32_t>(readSize));
        platform::fsClose(handle);
        if (got == static_cast<int32_t>(readSize)) delivered = readSize;
    } else {
        void* packed = memAlloc(readSize);
        int32_t got = packed ? platform::fsRead(handle, packed, static_cast<int32_t>(readSize)) : -1;
        platform::fsClose(handle);
        if (got == static_cast<int32_t>(readSize)) {
            uLongf inflated = unpackedSize;
            int rc =
                uncompress(static_cast<Bytef*>(out), &inflated, static_cast<const Bytef*>(packed), readSize);
            if (rc == Z_OK) delivered = static_cast<uint32_t>(inflated);
        }
        memFree(packed);
    }
    if (delivered == 0) {
        release();
        return 0;
    }
    buffer = out;
    return delivered;
}

uint32_t fileSize(const char* name) {
    int32_t handle = fileOpen(name, kFileRead);
    if (handle < 0) return 0;
    uint32_t size = 0;
    if (g_archive.lastFromArchive) {
        size = g_archive.last.unpackedSize != 0 ? g_archive.last.unpackedSize : g_archive.last.storedSize;
    } else {
        int32_t end = platform::fsSeek(handle, 0, 2);
        size = end < 0 ? 0 : static_cast<uint32_t>(end);
    }
    platform::fsClose(handle);
    return size;
}

int32_t openWithExtension(const char* name, const char* extension, const char* folder, int32_t mode) {
    if (!name) return -1;
    if (folder) enterProgramFolder(folder);
    std::string fileName(name);
    if (extension) {
        fileName = fileName.substr(0, fileName.find('.'));
        fileName += '.';
        fileName += extension;
    }
    return fileOpen(fileName.c_str(), mode);
}

bool enterProgramFolder(const char* folder) {
    std::string path = platform::programFolder() + (folder ? folder : "");
    return platform::changeDirectory(path.c_str());
}

} // namespace bv
