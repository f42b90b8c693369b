// The Image and Image Folder Selector: walks the picture folder tree of the chooser that opened it.
// Choosing a picture takes effect at once; Reset and Cancel put the chooser back as it was.
#include <algorithm>

#include "assets/picture_tree.h"
#include "assets/sprites.h"
#include "core/input.h"
#include "editor/editor.h"
#include "editor/editor_dialogs.h"
#include "ui/forms.h"

namespace bv {

namespace {

constexpr int32_t kMaxRows = 512;  // rows listed per list; a folder holds far fewer
constexpr int32_t kNameUnits = 64; // picture names are 32 bytes, folder names are cut here

PictureChooser* g_chooser = nullptr;
PictureChooser g_atOpen{};
bool g_houses = true;

FormListBox g_folders;
FormListBox g_images;
char16_t g_folderNames[kMaxRows][kNameUnits];
char16_t g_imageNames[kMaxRows][kNameUnits];
const char16_t* g_folderItems[kMaxRows];
const char16_t* g_imageItems[kMaxRows];
int32_t g_folderCount = 0;
int32_t g_imageCount = 0;
char16_t g_caption[kNameUnits];

void widen(const char* in, char16_t* out) {
    int32_t n = 0;
    for (; in && in[n] && n < kNameUnits - 1; ++n) out[n] = static_cast<unsigned char>(in[n]);
    out[n] = 0;
}

// Fills both lists and the caption from the chooser's current folder.
void refill() {
    const PictureFolder* f = g_chooser ? g_chooser->folder : nullptr;
    g_folderCount = f ? std::min(f->childCount, kMaxRows) : 0;
    for (int32_t i = 0; i < g_folderCount; ++i) {
        widen(f->children[i].name, g_folderNames[i]);
        g_folderItems[i] = g_folderNames[i];
    }
    const SpriteExSet& set = g_houses ? houseSprites : objectSprites;
    g_imageCount = f ? std::min(f->pictureCount, kMaxRows) : 0;
    for (int32_t i = 0; i < g_imageCount; ++i) {
        const int32_t p = f->pictures[i];
        widen(p >= 0 && p < set.count ? set.sprites[p].name : "?", g_imageNames[i]);
        g_imageItems[i] = g_imageNames[i];
    }
    widen(f ? f->name : "", g_caption);
    g_folders = FormListBox{-1, 0};
    g_images = FormListBox{g_chooser && g_chooser->index < g_imageCount ? g_chooser->index : -1, 0};
}

void enter(PictureFolder* folder) {
    if (!g_chooser || !folder) return;
    g_chooser->folder = folder;
    g_chooser->index = 0;
    refill();
}

} // namespace

void openPictureForm(int32_t mode) {
    g_chooser = &chooserFor(mode);
    g_houses = g_chooser->root == &housePictureTree;
    g_atOpen = *g_chooser;
    refill();
}

void updatePictureForm() {
    constexpr int32_t kX = 40, kY = 40, kW = 720, kH = 520;
    formPanel(kX, kY, kW, kH, u"Image and Image Folder Selector");
    if (!g_chooser) {
        closeEditorDialog();
        return;
    }
    const int32_t left = kX + 30, right = kX + kW / 2 + 15, listW = kW / 2 - 45;
    formLabel(left, kY + 44, g_caption[0] ? g_caption : u"(top folder)");
    formLabel(left, kY + 66, u"Folders in this folder");
    formLabel(right, kY + 66, u"Images in this folder");
    if (formListBox(left, kY + 88, listW, 324, g_folderItems, g_folderCount, g_folders)) {
        enter(&g_chooser->folder->children[g_folders.selected]);
    }
    if (formListBox(right, kY + 88, listW, 324, g_imageItems, g_imageCount, g_images))
        g_chooser->index = g_images.selected;

    const bool below = g_chooser->folder && g_chooser->folder->parent;
    if (formButton(left, kY + 422, 150, 30, u"Root Folder", below)) enter(g_chooser->root);
    if (formButton(left + 165, kY + 422, 150, 30, u"Up 1 folder", below)) enter(g_chooser->folder->parent);

    const int32_t buttonY = kY + kH - 50;
    if (formButton(kX + kW / 2 - 195, buttonY, 120, 30, u"Reset")) {
        *g_chooser = g_atOpen;
        refill();
    }
    if (formButton(kX + kW / 2 - 60, buttonY, 120, 30, u"OK") || typedChar() == 13) {
        closeEditorDialog();
        return;
    }
    if (formButton(kX + kW / 2 + 75, buttonY, 120, 30, u"Cancel") || isPressed(kSlotEscape)) {
        *g_chooser = g_atOpen;
        closeEditorDialog();
    }
}

} // namespace bv
