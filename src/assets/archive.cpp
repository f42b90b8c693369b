#include "assets/archive.h"

#include <algorithm>
#include <cstring>
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
// No asset of the game comes near this; a larger unpacked size is damage, whatever the ratio.
constexpr uint32_t kMaxUnpackedBytes = 64u << 20;
// The first output buffer of an inflation that allocates: the unpacked size, but at most this many
// bytes or four times the stored size; it doubles as the data really inflates.
constexpr uint32_t kFirstInflateBytes = 64u << 10;

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
bool entryUsable(const DirEntry& e, uint32_t fileLength) {
    if (static_cast<uint64_t>(e.offset) + e.storedSize > fileLength) return false;
    if (e.unpackedSize > kMaxUnpackedBytes) return false;
    return static_cast<uint64_t>(e.unpackedSize) <= static_cast<uint64_t>(e.storedSize) * kMaxInflateRatio;
}

DirEntry entryAt(const uint8_t* directory, size_t bytes, uint32_t index) {
    const size_t at = size_t(index) * kEntryBytes;
    return DirEntry{u32At(directory, bytes, at), u32At(directory, bytes, at + 4),
                    u32At(directory, bytes, at + 8), u32At(directory, bytes, at + 12)};
}

// The number of directory entries an archive of `length` bytes announces, -1 when it cannot hold
// them.
int64_t directoryCount(uint32_t count, uint64_t length) {
    return 4 + uint64_t(count) * kEntryBytes > length ? -1 : int64_t(count);
}

// Inflates `stored` into `out` (room for `room` bytes); with `grow` the buffer is memAlloc'd and
// doubled up to `limit` bytes as the output needs it. Returns the inflated length, 0 when the data
// is not one whole zlib stream of at most `limit` bytes.
uint32_t inflateInto(const uint8_t* stored, uint32_t storedSize, void*& out, uint32_t room, uint32_t limit,
                     bool grow) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return 0;
    z.next_in = const_cast<Bytef*>(stored);
    z.avail_in = storedSize;
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (z.total_out == room) {
            if (!grow || room >= limit) break;
            const uint32_t larger = room > limit / 2 ? limit : room * 2;
            void* grown = memRealloc(out, larger);
            if (!grown) break;
            out = grown;
            room = larger;
        }
        z.next_out = static_cast<Bytef*>(out) + z.total_out;
        z.avail_out = room - uint32_t(z.total_out);
        rc = inflate(&z, Z_NO_FLUSH);
    }
    const uint32_t produced = rc == Z_STREAM_END ? uint32_t(z.total_out) : 0;
    inflateEnd(&z);
    return produced;
}

// An entry's stored bytes as loadFile delivers them: copied when stored as is, inflated when
// compressed. With capacity 0 the output is allocated (sized by what the data really inflates to,
// never by the stored claim alone) and handed back through `buffer`; otherwise `buffer` must hold
// the delivered size. Returns the bytes delivered, 0 on any failure (nothing handed back).
uint32_t unpack(const uint8_t* stored, uint32_t storedSize, uint32_t unpackedSize, void*& buffer,
                uint32_t capacity) {
    const uint32_t outSize = unpackedSize != 0 ? unpackedSize : storedSize;
    if (outSize == 0 || (capacity != 0 && (!buffer || capacity < outSize))) return 0;
    if (unpackedSize == 0) {
        void* out = capacity == 0 ? memAlloc(storedSize) : buffer;
        if (!out) return 0;
        std::memcpy(out, stored, storedSize);
        buffer = out;
        return storedSize;
    }
    if (capacity != 0) return inflateInto(stored, storedSize, buffer, unpackedSize, unpackedSize, false);
    const uint64_t guess =
        std::min<uint64_t>({unpackedSize, kFirstInflateBytes, uint64_t(storedSize) * 4 + 16});
    void* out = memAlloc(size_t(guess));
    if (!out) return 0;
    const uint32_t delivered = inflateInto(stored, storedSize, out, uint32_t(guess), unpackedSize, true);
    if (delivered == 0) {
        memFree(out);
        return 0;
    }
    buffer = out;
    return delivered;
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
    if (directoryCount(count, uint64_t(length)) < 0) failOpen(handle);
    uint64_t directoryBytes = static_cast<uint64_t>(count) * kEntryBytes;

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
    for (uint32_t i = 0; i < count; ++i) entries[i] = entryAt(raw, directoryBytes, i);
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
        if (e.nameHash != hash || !entryUsable(e, g_archive.fileLength)) continue;
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
    const uint32_t outSize = unpackedSize != 0 ? unpackedSize : readSize;
    if (readSize > INT32_MAX || unpackedSize > kMaxUnpackedBytes || outSize == 0 ||
        (capacity != 0 && capacity < outSize)) {
        platform::fsClose(handle);
        return 0;
    }
    // A loose file or a stored entry is read straight into its destination.
    if (unpackedSize == 0) {
        void* out = capacity == 0 ? memAlloc(readSize) : buffer;
        const int32_t got = out ? platform::fsRead(handle, out, static_cast<int32_t>(readSize)) : -1;
        platform::fsClose(handle);
        if (got != static_cast<int32_t>(readSize)) {
            if (capacity == 0) memFree(out);
            return 0;
        }
        buffer = out;
        return readSize;
    }
    auto* packed = static_cast<uint8_t*>(memAlloc(readSize));
    const int32_t got = packed ? platform::fsRead(handle, packed, static_cast<int32_t>(readSize)) : -1;
    platform::fsClose(handle);
    const uint32_t delivered =
        got == static_cast<int32_t>(readSize) ? unpack(packed, readSize, unpackedSize, buffer, capacity) : 0;
    memFree(packed);
    return delivered;
}

int32_t archiveImageCount(const uint8_t* data, uint32_t size) {
    if (!data || size < 4) return -1;
    const int64_t count = directoryCount(u32At(data, size, 0), size);
    return count > INT32_MAX ? -1 : int32_t(count);
}

uint32_t archiveImageEntry(const uint8_t* data, uint32_t size, int32_t index, uint32_t& nameHash,
                           void*& buffer, uint32_t capacity) {
    nameHash = 0;
    if (index < 0 || index >= archiveImageCount(data, size)) return 0;
    const DirEntry e = entryAt(data + 4, size - 4, uint32_t(index));
    nameHash = e.nameHash;
    if (!entryUsable(e, size)) return 0;
    return unpack(data + e.offset, e.storedSize, e.unpackedSize, buffer, capacity);
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

bool namesFileInFolder(const char* name) {
    if (!name || !name[0] || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    return std::strpbrk(name, "/\\:") == nullptr;
}

bool enterProgramFolder(const char* folder) {
    std::string path = platform::programFolder() + (folder ? folder : "");
    return platform::changeDirectory(path.c_str());
}

} // namespace bv
