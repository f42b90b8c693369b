// The editor's picture folder trees: the folders "map_houses" and "map_objects" beside the game,
// scanned once at start-up into one node per folder. A node lists its sub-folders and the pictures
// of an extended sprite set whose names match the PNG and TGA files in that folder; the picture
// files themselves are never read (the sets are already loaded).
#pragma once

#include <cstdint>

#include "assets/sprites.h"

namespace bv {

constexpr int32_t kPictureFolderNameBytes = 260;
constexpr int32_t kMaxPictureFolderDepth = 16;
constexpr int32_t kMaxPictureFolders = 1024;
constexpr int32_t kMaxFolderEntries = 10000;

struct PictureFolder {
    int32_t childCount;                 // sub-folder nodes in `children`
    int32_t* pictures;                  // indexes into the sprite set, one per matched picture file
    int32_t reserved;                   // not used
    int32_t pictureCount;               // valid entries in `pictures`
    char name[kPictureFolderNameBytes]; // the last path component (or the whole path), terminated
    PictureFolder* parent;              // nullptr for a root
    PictureFolder* children;            // childCount nodes
};

// The two roots: "map_houses" matched against houseSprites, "map_objects" against objectSprites.
extern PictureFolder housePictureTree;
extern PictureFolder objectPictureTree;

// Fills `node` for the folder `path` and, recursively, its sub-folders. `node` is overwritten, not
// freed first. A missing or unreadable folder gives a node without pictures or children, and a
// read error part way through a folder ends its listing; a file whose name matches no sprite
// (letter case aside) is skipped. Each real folder is entered once, whatever symbolic links lead
// to it again; the tree goes at most kMaxPictureFolderDepth folders deep, holds at most
// kMaxPictureFolders folders, and each folder lists at most kMaxFolderEntries entries.
void buildPictureFolder(const char* path, const SpriteExSet& set, PictureFolder* parent, PictureFolder* node);

// mode 1: the entries of `path` that are not folders and whose names match `pattern` ('*' any run,
// '?' one character, letter case aside; "*.*" matches every name). mode 0: the sub-folders of
// `path`, whatever the pattern. "." and ".." never count. A missing folder counts 0.
int32_t countEntries(const char* path, const char* pattern, int32_t mode);

// Whether a file name matches a pattern as countEntries matches it.
bool matchesFilePattern(const char* pattern, const char* name);

// Start-up step 17, after loadMapPictureSets: the object tree, then the house tree, from the
// program folder.
void buildPictureTrees();

// Frees what buildPictureFolder allocated under `node` and clears it (the node itself is the
// caller's). The game keeps its trees for the whole run; tests and tools use this.
void freePictureFolder(PictureFolder* node);

// The node's path from its root, components joined by "/" (at most `capacity` - 1 characters).
void pictureFolderPath(const PictureFolder* node, char* out, int32_t capacity);

} // namespace bv
