#include "assets/picture_tree.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/memory.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace bv {

PictureFolder housePictureTree{};
PictureFolder objectPictureTree{};

namespace {

using Entry = platform::FolderEntry;

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (lowerAscii(*a) != lowerAscii(*b)) return false;
    return *a == *b;
}

// Wildcard match as the map makers know it from their file dialogs: '*' any run, '?' one
// character, letter case aside.
bool matches(const char* pattern, const char* name) {
    if (*pattern == 0) return *name == 0;
    if (*pattern == '*') {
        for (const char* n = name;; ++n) {
            if (matches(pattern + 1, n)) return true;
            if (*n == 0) return false;
        }
    }
    if (*name == 0) return false;
    if (*pattern != '?' && lowerAscii(*pattern) != lowerAscii(*name)) return false;
    return matches(pattern + 1, name + 1);
}

bool matchesPattern(const char* pattern, const std::string& name) {
    // "*.*" stands for every entry, dotted or not.
    if (std::strcmp(pattern, "*.*") == 0) return true;
    return matches(pattern, name.c_str());
}

// The folder's entries sorted by name, letter case aside. Directory order on Linux file systems
// is effectively random; map makers expect the alphabetical lists their file browsers show.
std::vector<Entry> listFolder(const std::string& path) {
    std::vector<Entry> out = platform::fsListFolder(path.c_str(), size_t(kMaxFolderEntries));
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) {
        const size_t n = std::min(a.name.size(), b.name.size());
        for (size_t i = 0; i < n; ++i) {
            const char x = lowerAscii(a.name[i]), y = lowerAscii(b.name[i]);
            if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        }
        if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
        return a.name < b.name;
    });
    return out;
}

int32_t countIn(const std::vector<Entry>& entries, const char* pattern, int32_t mode) {
    int32_t n = 0;
    for (const Entry& e : entries) {
        if (mode == 0 ? e.folder : (!e.folder && matchesPattern(pattern, e.name))) ++n;
    }
    return n;
}

void setName(PictureFolder* node, const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const size_t slash = trimmed.find_last_of('/');
    const std::string name = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
    const size_t n = std::min(name.size(), static_cast<size_t>(kPictureFolderNameBytes - 1));
    std::memcpy(node->name, name.data(), n);
    node->name[n] = 0;
}

int32_t findPicture(const SpriteExSet& set, const std::string& fileName) {
    for (int32_t i = 0; i < set.count; ++i) {
        if (sameNameIgnoringCase(set.sprites[i].name, fileName.c_str())) return i;
    }
    return -1;
}

// What a build has entered so far: every real folder once, whatever links lead to it (a link
// back up the tree would recurse without end, and links that lead twice to the same folder at
// every level would double the tree at each one), and at most kMaxPictureFolders of them.
struct Scan {
    std::set<std::string> entered;
    int32_t folders = 0;
};

void buildNode(const std::string& path, const SpriteExSet& set, PictureFolder* parent, PictureFolder* node,
               int32_t depth, Scan& scan) {
    std::memset(node, 0, sizeof(*node));
    node->parent = parent;
    setName(node, path);

    const std::string real = platform::fsRealPath(path.c_str());
    if (real.empty()) return; // a missing folder: no pictures, no children
    scan.entered.insert(real);
    scan.folders += 1;

    const std::vector<Entry> entries = listFolder(path);
    const int32_t files = countIn(entries, "*.png", 1) + countIn(entries, "*.tga", 1);
    const int32_t folders = depth + 1 < kMaxPictureFolderDepth ? countIn(entries, "*.*", 0) : 0;
    node->pictures = static_cast<int32_t*>(memAllocZeroed(sizeof(int32_t) * static_cast<size_t>(files)));
    node->children =
        static_cast<PictureFolder*>(memAllocZeroed(sizeof(PictureFolder) * static_cast<size_t>(folders)));

    for (const Entry& e : entries) {
        if (!e.folder || node->childCount >= folders || scan.folders >= kMaxPictureFolders) continue;
        // Built by appending: GCC 12 at -O3 reports a false overlap for path + "/" + name.
        std::string childPath = path;
        childPath.append(1, '/').append(e.name);
        const std::string childReal = platform::fsRealPath(childPath.c_str());
        if (childReal.empty() || scan.entered.count(childReal) != 0) continue;
        buildNode(childPath, set, node, &node->children[node->childCount], depth + 1, scan);
        node->childCount += 1;
    }

    for (const char* pattern : {"*.png", "*.tga"}) {
        for (const Entry& e : entries) {
            if (node->pictureCount >= files) break;
            if (e.folder || !matchesPattern(pattern, e.name)) continue;
            const int32_t index = findPicture(set, e.name);
            if (index >= 0) node->pictures[node->pictureCount++] = index;
        }
    }
}

} // namespace

void buildPictureFolder(const char* path, const SpriteExSet& set, PictureFolder* parent,
                        PictureFolder* node) {
    if (!node) return;
    Scan scan;
    buildNode(path ? path : "", set, parent, node, 0, scan);
}

int32_t countEntries(const char* path, const char* pattern, int32_t mode) {
    if (!path || !pattern) return 0;
    return countIn(listFolder(path), pattern, mode);
}

bool matchesFilePattern(const char* pattern, const char* name) {
    return pattern && name && matchesPattern(pattern, name);
}

void buildPictureTrees() {
    const std::string folder = platform::programFolder();
    buildPictureFolder((folder + "map_objects").c_str(), objectSprites, nullptr, &objectPictureTree);
    buildPictureFolder((folder + "map_houses").c_str(), houseSprites, nullptr, &housePictureTree);
}

void freePictureFolder(PictureFolder* node) {
    if (!node) return;
    for (int32_t i = 0; i < node->childCount; ++i) freePictureFolder(&node->children[i]);
    memFree(node->children);
    memFree(node->pictures);
    std::memset(node, 0, sizeof(*node));
}

void pictureFolderPath(const PictureFolder* node, char* out, int32_t capacity) {
    if (!out || capacity <= 0) return;
    // The root's name, then "/" and each folder's name down to the node.
    std::vector<const PictureFolder*> chain;
    for (const PictureFolder* n = node; n; n = n->parent) chain.push_back(n);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (it != chain.rbegin()) path.append(1, '/');
        path.append((*it)->name);
    }
    const size_t count = std::min(path.size(), static_cast<size_t>(capacity - 1));
    std::memcpy(out, path.data(), count);
    out[count] = 0;
}

} // namespace bv
