// The asset archive ("bb_Blob32" beside the program) and the thin file-handle layer.
//
// Archive format, all integers 32-bit little-endian: N, then N directory entries of
// (nameHash, storedSize, unpackedSize, offset), then the data. unpackedSize is 0 for an entry
// stored as is, otherwise the size after zlib inflation. Entries are found by the hash of the
// upper-cased name; a loose file of the same name in the current directory always wins, so one
// asset can be replaced without rebuilding the archive.
#pragma once

#include <cstdint>

namespace bv {

// File open modes (the same numbers as the platform's file layer).
constexpr int32_t kFileRead = 1;       // read-only; falls back to the archive
constexpr int32_t kFileWrite = 2;      // create or truncate
constexpr int32_t kFileUpdate = 3;     // create, keep the contents
constexpr int32_t kFileAppendText = 4; // create, append

// Reads the archive's directory once per run (later calls do nothing). The archive is looked for
// in the program folder. A missing or malformed archive is fatal.
//
// Malformed directories: a count that the file cannot hold is fatal like a missing archive. An
// entry whose bytes lie past the end of the file, or whose unpacked size is more than zlib could
// ever produce from its stored bytes, is kept in the directory but never opened: fileOpen skips
// it (a later entry of the same name may still be found) and loadFile returns 0 for it. A
// compressed entry's output is allocated as the data really inflates, never larger than twice
// that, so a false unpacked size alone cannot make the game allocate it.
void archiveOpen(const char* archiveName);
// Tests only: forgets the directory so that another archive can be opened.
void archiveCloseForTests();

// Opens `name` in the current directory with the mode; in read mode a name that is not a loose
// file is looked up in the archive, and the handle is positioned at the entry's bytes.
// Returns a handle or -1.
int32_t fileOpen(const char* name, int32_t mode);
int32_t fileRead(int32_t handle, void* buffer, int32_t count);
int32_t fileWrite(int32_t handle, const void* buffer, int32_t count);
// origin: 0 start, 1 current, 2 end (of the underlying file). Returns the new position or -1.
int32_t fileSeek(int32_t handle, int32_t offset, int32_t origin);
void fileClose(int32_t handle);

// Reads a whole file, inflating a compressed entry. With capacity 0 the buffer is allocated
// with memAlloc and handed back through `buffer` (the caller frees it with memFree); otherwise
// `buffer` must hold `capacity` bytes and a file that does not fit delivers nothing. Returns the
// number of bytes delivered, 0 on any failure (then nothing is handed back).
uint32_t loadFile(const char* name, void*& buffer, uint32_t capacity);
inline uint32_t loadFile(const char* name, uint8_t*& buffer, uint32_t capacity) {
    void* raw = buffer;
    uint32_t n = loadFile(name, raw, capacity);
    buffer = static_cast<uint8_t*>(raw);
    return n;
}

// An archive file image held in memory (tools, tests): the number of directory entries it
// announces, or -1 when the data cannot hold that directory.
int32_t archiveImageCount(const uint8_t* data, uint32_t size);
// Entry `index` of such an image, delivered as loadFile delivers it (capacity 0 allocates with
// memAlloc). nameHash gets the entry's name hash. 0 for an index outside the directory or an entry
// that cannot be opened or inflated.
uint32_t archiveImageEntry(const uint8_t* data, uint32_t size, int32_t index, uint32_t& nameHash,
                           void*& buffer, uint32_t capacity);

// The size loadFile would deliver: an entry's unpacked size (stored size when not compressed),
// a loose file's length; 0 for a name that cannot be opened.
uint32_t fileSize(const char* name);

// Replaces everything from the name's first '.' by "." + extension (appends it when the name
// has no dot) and opens that; with a folder, enterProgramFolder(folder) first.
// "level3.old" + "bvx" opens "level3.bvx".
int32_t openWithExtension(const char* name, const char* extension, const char* folder, int32_t mode);

// A name that can only name a file in the current folder: not empty, not "." or "..", without '/',
// '\\' or ':'. Names read from data files (maps, scenarios, saves) must be such names.
bool namesFileInFolder(const char* name);

// Makes the named sub-folder of the program folder the current directory.
bool enterProgramFolder(const char* folder);

} // namespace bv
