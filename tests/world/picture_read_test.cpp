// Background pictures: TGA of every accepted type and colour-map depth, PNG of every colour type,
// damaged files, and the black picture that replaces a missing one.
#include <png.h>

#include "gfx/png_write.h"
#include "levels_fixture.h"
#include "world/map_picture.h"

namespace bvtest {
namespace {

using namespace bv;

struct Tga {
    uint8_t type = 2, mapType = 0, mapBits = 0, pixelBits = 24, descriptor = 0;
    uint16_t mapFirst = 0, width = 2, height = 2;
    Bytes id, map, data;

    Bytes build() const {
        Bytes out{uint8_t(id.size()), mapType, type};
        uint32_t entryBytes = (mapBits + 7u) / 8u;
        uint16_t mapLength = entryBytes ? uint16_t(map.size() / entryBytes) : 0;
        put16(out, mapFirst);
        put16(out, mapLength);
        out.push_back(mapBits);
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.push_back(pixelBits);
        out.push_back(descriptor);
        putBytes(out, id.data(), id.size());
        putBytes(out, map.data(), map.size());
        putBytes(out, data.data(), data.size());
        return out;
    }
};

std::vector<uint32_t> decode(const Bytes& file, bool& ok, bool png = false) {
    ensureMemory(); // each test may run alone in its own process
    Sprite s{};
    ok = png ? decodePng(file.data(), uint32_t(file.size()), s)
             : decodeTga(file.data(), uint32_t(file.size()), s);
    if (!ok) return {};
    std::vector<uint32_t> px(s.pixels, s.pixels + s.width * s.height);
    EXPECT_EQ(s.xOffset, 0);
    EXPECT_EQ(s.yOffset, 0);
    freePicture(s);
    return px;
}

std::vector<uint32_t> decodeOk(const Bytes& file, bool png = false) {
    bool ok = false;
    std::vector<uint32_t> px = decode(file, ok, png);
    EXPECT_TRUE(ok);
    return px;
}

bool refused(const Bytes& file, bool png = false) {
    bool ok = true;
    decode(file, ok, png);
    return !ok;
}

using V = std::vector<uint32_t>;

TEST(TgaTest, TrueColourRowsAreTurnedTopDown) {
    Tga t;
    t.data = {1, 2, 3, 4, 5, 6, /* bottom row */ 7, 8, 9, 10, 11, 12 /* top row */};
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}));
    t.descriptor = 0x20; // stored from the top
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF030201, 0xFF060504, 0xFF090807, 0xFF0C0B0A}));
    t.descriptor = 0x30; // and from the right
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF060504, 0xFF030201, 0xFF0C0B0A, 0xFF090807}));
}

TEST(TgaTest, ThirtyTwoAndSixteenBitColours) {
    Tga t;
    t.width = 2, t.height = 1, t.pixelBits = 32;
    t.data = {1, 2, 3, 0x40, 4, 5, 6, 0xFF};
    EXPECT_EQ(decodeOk(t.build()), (V{0x40030201, 0xFF060504}));
    t.pixelBits = 16;
    t.data = {0x00, 0x7C, 0x1F, 0x00}; // pure red, pure blue
    EXPECT_EQ(decodeOk(t.build()), (V{0xFFFF0000, 0xFF0000FF}));
    t.pixelBits = 15;
    t.data = {0xE0, 0x03, 0x21, 0x84}; // pure green; 0x0421 with the attribute bit: 1, 1, 1 of 31
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF00FF00, 0xFF080808}));
}

TEST(TgaTest, RunLengthPacketsMayCrossRows) {
    Tga t;
    t.type = 10, t.width = 3, t.height = 2, t.descriptor = 0x20;
    // A run of 4 (crossing into row 2), then 2 raw pixels.
    t.data = {0x83, 10, 20, 30, 0x01, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(decodeOk(t.build()),
              (V{0xFF1E140A, 0xFF1E140A, 0xFF1E140A, 0xFF1E140A, 0xFF030201, 0xFF060504}));
    // A run longer than the picture stops at its end.
    t.data = {0xFF, 9, 9, 9};
    EXPECT_EQ(decodeOk(t.build()), V(6, 0xFF090909));
}

TEST(TgaTest, GreyPictures) {
    Tga t;
    t.type = 3, t.pixelBits = 8, t.width = 2, t.height = 1;
    t.data = {0x10, 0xF0};
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF101010, 0xFFF0F0F0}));
    t.pixelBits = 16; // grey and alpha
    t.data = {0x10, 0x80, 0xF0, 0xFF};
    EXPECT_EQ(decodeOk(t.build()), (V{0x80101010, 0xFFF0F0F0}));
    t.type = 11, t.pixelBits = 8;
    t.data = {0x81, 0x33};
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF333333, 0xFF333333}));
}

TEST(TgaTest, ColourMapsOfEveryEntryDepth) {
    struct Case {
        uint8_t bits;
        Bytes entries; // two entries
        V expected;
    } cases[] = {
        {24, {1, 2, 3, 4, 5, 6}, {0xFF030201, 0xFF060504}},
        {32, {1, 2, 3, 0x77, 4, 5, 6, 0xFF}, {0x77030201, 0xFF060504}},
        {16, {0x00, 0x7C, 0xE0, 0x03}, {0xFFFF0000, 0xFF00FF00}},
        {15, {0x1F, 0x00, 0xFF, 0x7F}, {0xFF0000FF, 0xFFFFFFFF}},
    };
    for (const Case& c : cases) {
        Tga t;
        t.type = 1, t.mapType = 1, t.mapBits = c.bits, t.pixelBits = 8, t.width = 3, t.height = 1;
        t.mapFirst = 5;
        t.map = c.entries;
        t.data = {5, 6, 5};
        EXPECT_EQ(decodeOk(t.build()), (V{c.expected[0], c.expected[1], c.expected[0]})) << int(c.bits);
        t.type = 9;
        t.data = {0x01, 6, 5, 0x00, 6}; // raw 2, raw 1
        EXPECT_EQ(decodeOk(t.build()), (V{c.expected[1], c.expected[0], c.expected[1]})) << int(c.bits);
    }
    // 16-bit indexes.
    Tga t;
    t.type = 1, t.mapType = 1, t.mapBits = 24, t.pixelBits = 16, t.width = 1, t.height = 1;
    t.map = {1, 2, 3, 4, 5, 6};
    t.data = {1, 0};
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF060504}));
}

TEST(TgaTest, ATrueColourPictureMaySkipAColourMap) {
    Tga t;
    t.mapType = 1, t.mapBits = 24, t.width = 1, t.height = 1;
    t.map = {9, 9, 9, 9, 9, 9};
    t.id = {'h', 'i'};
    t.data = {1, 2, 3};
    EXPECT_EQ(decodeOk(t.build()), (V{0xFF030201}));
}

TEST(TgaTest, MalformedPicturesAreRefused) {
    Tga good;
    good.data = Bytes(12, 7);
    ASSERT_FALSE(refused(good.build()));

    Tga t = good;
    t.type = 3, t.mapType = 1, t.mapBits = 24, t.pixelBits = 8, t.map = {1, 2, 3}, t.data = Bytes(4, 1);
    EXPECT_TRUE(refused(t.build())) << "a colour map on a grey picture";
    for (uint8_t type : {0, 4, 32, 33, 12, 2 | 16}) {
        t = good;
        t.type = type;
        EXPECT_TRUE(refused(t.build())) << int(type);
    }
    t = good, t.width = 0;
    EXPECT_TRUE(refused(t.build())) << "zero width";
    t = good, t.height = 0;
    EXPECT_TRUE(refused(t.build())) << "zero height";
    t = good, t.pixelBits = 8;
    EXPECT_TRUE(refused(t.build())) << "8-bit true colour";
    Bytes cut = good.build();
    cut.pop_back();
    EXPECT_TRUE(refused(cut)) << "truncated pixels";
    EXPECT_TRUE(refused(Bytes(cut.begin(), cut.begin() + 10))) << "truncated header";
    t = good, t.type = 10, t.data = {0x83, 1, 2};
    EXPECT_TRUE(refused(t.build())) << "truncated run";
    t = good, t.type = 1, t.pixelBits = 8, t.data = Bytes(4, 0);
    EXPECT_TRUE(refused(t.build())) << "mapped without a map";
    t.mapType = 1, t.mapBits = 8, t.map = {1, 2};
    EXPECT_TRUE(refused(t.build())) << "8-bit map entries";
    t.mapBits = 24, t.map = {1, 2, 3}, t.mapFirst = 1;
    EXPECT_TRUE(refused(t.build())) << "index below the map";
    t.mapFirst = 0, t.data = {0, 0, 0, 1};
    EXPECT_TRUE(refused(t.build())) << "index past the map";
    Bytes shortMap = t.build();
    shortMap.resize(18 + 2);
    EXPECT_TRUE(refused(shortMap)) << "truncated map";
    EXPECT_TRUE(refused(Bytes{}));
}

// A PNG in memory through libpng.
Bytes encodePng(int width, int height, int colourType, int depth, const Bytes& rows,
                const Bytes& palette = {}, const Bytes& transparency = {}) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, depth, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<const png_color*>(palette.data()), int(palette.size() / 3));
    if (!transparency.empty())
        png_set_tRNS(png, info, transparency.data(), int(transparency.size()), nullptr);
    png_write_info(png, info);
    const size_t stride = rows.size() / height;
    for (int y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(rows.data() + y * stride));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PngTest, ThreeChannelPicturesBecomeOpaque) {
    Bytes png = encodePng(2, 2, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(decodeOk(png, true), (V{0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}));
}

TEST(PngTest, FourChannelPicturesKeepTheirAlpha) {
    Bytes png = encodePng(2, 1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 0, 4, 5, 6, 0x80});
    EXPECT_EQ(decodeOk(png, true), (V{0x00010203, 0x80040506}));
}

TEST(PngTest, PalettesSixteenBitsAndGreyAreConverted) {
    Bytes palette = {10, 20, 30, 40, 50, 60};
    EXPECT_EQ(decodeOk(encodePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, palette), true),
              (V{0xFF28323C, 0xFF0A141E}));
    EXPECT_EQ(decodeOk(encodePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, palette, {0x20}), true),
              (V{0xFF28323C, 0x200A141E}));
    EXPECT_EQ(decodeOk(encodePng(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x99, 0x34, 0x99, 0x56, 0x99}), true),
              (V{0xFF123456}));
    EXPECT_EQ(decodeOk(encodePng(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0x11, 0xEE}), true),
              (V{0xFF111111, 0xFFEEEEEE}));
    EXPECT_EQ(decodeOk(encodePng(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x11, 0x40, 0xEE, 0xFF}), true),
              (V{0x40111111, 0xFFEEEEEE}));
    EXPECT_EQ(decodeOk(encodePng(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0x1B}), true),
              (V{0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}));
}

TEST(PngTest, DamagedFilesAreRefused) {
    Bytes png = encodePng(8, 8, PNG_COLOR_TYPE_RGB, 8, Bytes(8 * 8 * 3, 0x42));
    ASSERT_FALSE(refused(png, true));
    EXPECT_TRUE(refused(Bytes(png.begin(), png.end() - 20), true)) << "truncated";
    Bytes flipped = png;
    flipped[45] ^= 0xFF; // inside the image data: its check sum no longer matches
    EXPECT_TRUE(refused(flipped, true));
    EXPECT_TRUE(refused(Bytes(png.begin(), png.begin() + 8), true)) << "signature only";
    EXPECT_TRUE(refused(Bytes{'n', 'o', 't', 'p', 'n', 'g', 0, 0, 0}, true));
}

using BackgroundTest = LevelsTest;

TEST_F(BackgroundTest, PicturesAreReadByTheirNamesEnding) {
    const uint32_t px[2] = {0xFF102030, 0xFF405060};
    ASSERT_TRUE(writePng(mapsFile("park.PNG"), px, 2, 1, false));
    std::filesystem::copy_file(mapsFile("park.PNG"), mapsFile("park.tga"));
    std::snprintf(mapBackground.fileName, 1000, "park.PNG");
    loadBackgroundPicture();
    ASSERT_EQ(backgroundPicture.width, 2);
    EXPECT_EQ(backgroundPicture.pixels[1], 0xFF405060u);
    // A PNG under another name goes to the TGA reader, which refuses it: the black picture.
    std::snprintf(mapBackground.fileName, 1000, "park.tga");
    loadBackgroundPicture();
    ASSERT_EQ(backgroundPicture.width, 800);
    ASSERT_EQ(backgroundPicture.height, 450);
    EXPECT_EQ(std::count(backgroundPicture.pixels, backgroundPicture.pixels + 800 * 450, 0xFF000000u),
              800 * 450);
    std::snprintf(mapBackground.fileName, 1000, "missing.png");
    loadBackgroundPicture();
    EXPECT_EQ(backgroundPicture.width, 800);
    EXPECT_EQ(backgroundPicture.pixels[0], 0xFF000000u);
    freePicture(backgroundPicture);
}

TEST_F(BackgroundTest, AnEmptyNameBlackensThePictureInPlace) {
    freePicture(backgroundPicture);
    mapBackground.fileName[0] = 0;
    loadBackgroundPicture();
    ASSERT_EQ(backgroundPicture.width, 800);
    EXPECT_EQ(backgroundPicture.pixels[800 * 450 - 1], 0xFF000000u);
    const uint32_t px[4] = {0xFF111111, 0xFF222222, 0xFF333333, 0xFF444444};
    ASSERT_TRUE(writePng(mapsFile("tiny.png"), px, 2, 2, false));
    std::snprintf(mapBackground.fileName, 1000, "tiny.png");
    loadBackgroundPicture();
    ASSERT_EQ(backgroundPicture.width, 2);
    mapBackground.fileName[0] = 0;
    loadBackgroundPicture();
    EXPECT_EQ(backgroundPicture.width, 2); // the existing picture is kept, filled with black
    EXPECT_EQ(backgroundPicture.pixels[3], 0xFF000000u);
    freePicture(backgroundPicture);
}

} // namespace
} // namespace bvtest
