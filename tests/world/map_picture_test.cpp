// Map pictures read and drawn: the order of the layers, depth within a layer, mirroring, the
// background modes, clipping to the map area, the house index image; background picture files.
#include <png.h>

#include <optional>

#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/png_write.h"
#include "gfx/text.h"
#include "levels_fixture.h"
#include "picture_sets.h"
#include "world/map_draw.h"
#include "world/map_layers.h"
#include "world/map_picture.h"

namespace bvtest {
namespace {

using namespace bv;
using V = std::vector<uint32_t>;

constexpr uint32_t kGrey = 0xFF808080, kGreen = 0xFF00A000, kLabel = 0xFFFFFFFF, kRed = 0xFFC00000,
                   kBlue = 0xFF0000C0, kYellow = 0xFFE0E000, kSentinel = 0x00123456;
// The same colours drawn opaque over anything: each channel c becomes (c * 255 + 1) >> 8.
constexpr uint32_t kGreenDrawn = 0x009F00, kLabelDrawn = 0xFEFEFE, kRedDrawn = 0xBF0000,
                   kBlueDrawn = 0x0000BF, kYellowDrawn = 0xDFDF00;

uint32_t pixel(int x, int y) {
    return frameBuffer[y * kFrameWidth + x] & 0xFFFFFF;
}

class MapDrawTest : public LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        freePicture(backgroundPicture);
        mapBackground = MapBackground{};
        allocFrameBuffer();
        while (clipDepth() > 0) popClip();
        resetClip();
        std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
        makePictureSet(houseSprites, {{"house.png", 40, 40, kRed}});
        makePictureSet(objectSprites, {{"tree.png", 40, 40, kGreen},
                                       {"van.png", 40, 40, kBlue},
                                       {"lamp.png", 40, 40, kYellow},
                                       {"half.png", 4, 2, kBlue}});
        // "half": left half blue, right half yellow.
        for (int i : {2, 3, 6, 7}) objectSprites.sprites[3].sprite.pixels[i] = kYellow;
        scenario.careerMode = 1; // the town at full size
    }
    void TearDown() override {
        freePicture(backgroundPicture);
        mapBackground = MapBackground{};
        LevelsTest::TearDown();
        freeTownSets();
    }
    // A solid background picture of the given size and colour.
    void setBackground(int32_t width, int32_t height, uint32_t colour, int32_t mode) {
        freePicture(backgroundPicture);
        backgroundPicture.width = width;
        backgroundPicture.height = height;
        backgroundPicture.pixels = static_cast<uint32_t*>(memAlloc(sizeof(uint32_t) * width * height));
        std::fill(backgroundPicture.pixels, backgroundPicture.pixels + width * height, colour);
        mapBackground.mode = mode;
    }
    void addHouseAt(int32_t x, int32_t y, int32_t picture = 0) {
        MapHouse* h = addHouse();
        h->x = x, h->y = y, h->pictureIndex = picture;
    }
};

TEST_F(MapDrawTest, LayersAreDrawnInTheirOrderWhateverTheirDepth) {
    // Every layer covers (100, 92); the later layers stand higher up the screen, so depth alone
    // would draw them first. Each round takes the top layer away.
    setBackground(800, 450, kGrey, 1);
    addMapObject(backgroundObjects, 100, 120, 0, false, false);
    const int32_t label = addLabel(100, 115, u"Square", 0); // its picture: a white 40 x 40 square
    auto* block = static_cast<uint8_t*>(memAlloc(sizeof(Sprite) + 40 * 40 * 4));
    auto* s = reinterpret_cast<Sprite*>(block);
    *s = Sprite{0, 0, -20, -40, 40, 40, 0, reinterpret_cast<uint32_t*>(block + sizeof(Sprite))};
    std::fill(s->pixels, s->pixels + 1600, kLabel);
    if (labelPictures[label]) freeTextSprite(labelPictures[label]);
    labelPictures[label] = s;
    addHouseAt(100, 110);
    addMapObject(foregroundObjects, 100, 105, 1, false, false);
    addMapObject(foregroundObjects, 100, 100, 2, false, true);
    const struct {
        uint32_t expected;
        void (*takeAway)();
    } rounds[] = {{kYellowDrawn, [] { removeMapObject(foregroundObjects, 0); }},
                  {kBlueDrawn, [] { removeMapObject(foregroundObjects, 0); }},
                  {kRedDrawn, [] { mapHouses[0].highlight = 2; }}, // hidden while blinking
                  {kLabelDrawn, [] { removeLabel(0); }},
                  {kGreenDrawn, [] { removeMapObject(backgroundObjects, 0); }},
                  {0x808080, [] {}}};
    for (const auto& r : rounds) {
        std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
        drawMapTown();
        EXPECT_EQ(pixel(100, 92), r.expected);
        r.takeAway();
    }
}

TEST_F(MapDrawTest, DepthMirroringAndThePicturelessWithinALayer) {
    addMapObject(backgroundObjects, 100, 130, 1, false, false); // lower, placed first: covers
    addMapObject(backgroundObjects, 110, 120, 0, false, false);
    addMapObject(backgroundObjects, 50, 50, 3, false, false);
    addMapObject(backgroundObjects, 150, 50, 3, true, false); // turned about its anchor
    addHouseAt(300, 100, -1);
    addHouseAt(500, 100, 9);
    drawMapTown();
    const struct {
        int x, y;
        uint32_t expected;
    } probes[] = {{105, 110, kBlueDrawn}, {125, 110, kGreenDrawn}, {48, 49, kBlueDrawn},
                  {51, 49, kYellowDrawn}, {148, 49, kYellowDrawn}, {151, 49, kBlueDrawn},
                  {300, 95, 0x123456},    {500, 95, 0x123456}};
    for (const auto& p : probes) EXPECT_EQ(pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST_F(MapDrawTest, NothingIsDrawnBelowTheMapArea) {
    setBackground(64, 64, kGrey, 1);
    addMapObject(backgroundObjects, 400, 470, 0, false, false);
    addMapObject(foregroundObjects, 300, 460, 1, false, true);
    addHouseAt(200, 480);
    drawMapTown();
    EXPECT_EQ(pixel(400, 449), kGreenDrawn);
    EXPECT_EQ(pixel(200, 449), kRedDrawn);
    EXPECT_EQ(pixel(799, 449), 0x808080u);
    for (int y = 450; y < 600; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(frameBuffer[y * 800 + x], kSentinel) << x << "," << y;
    // A tighter clip rectangle of the caller is kept.
    std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
    setClip(0, 0, 800, 100);
    drawMapTown();
    EXPECT_EQ(frameBuffer[100 * 800 + 10], kSentinel);
    EXPECT_EQ(clipBottom(), 100);
}

TEST_F(MapDrawTest, BackgroundModesTileCentreBlendOrShowNothing) {
    setBackground(300, 200, kGrey, 1); // tiled from the corner
    backgroundPicture.pixels[0] = 0xFF010203;
    backgroundPicture.pixels[200 * 300 - 1] = 0xFF040506;
    drawMapBackground();
    EXPECT_EQ(pixel(300, 200), 0x010203u);
    EXPECT_EQ(pixel(600, 400), 0x010203u);
    EXPECT_EQ(pixel(599, 399), 0x040506u);
    EXPECT_EQ(frameBuffer[450 * 800], kSentinel);
    std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
    setBackground(800, 450, kGrey, 2); // centred on the screen, rows 450..524 cut
    backgroundPicture.pixels[0] = 0xFF010203;
    drawMapBackground();
    EXPECT_EQ(frameBuffer[74 * 800], kSentinel);
    EXPECT_EQ(pixel(0, 75), 0x010203u);
    EXPECT_EQ(frameBuffer[450 * 800], kSentinel);
    setBackground(800, 600, kGrey, 2); // a full-screen picture shows its top 450 rows
    backgroundPicture.pixels[0] = 0xFF070809;
    drawMapBackground();
    EXPECT_EQ(pixel(0, 0), 0x070809u);
    setBackground(800, 450, 0x80FFFFFF, 1); // translucent: (255 * 128 + 1) >> 8 over black
    std::fill(frameBuffer, frameBuffer + kFramePixels, 0);
    drawMapBackground();
    EXPECT_EQ(pixel(5, 5), 0x7F7F7Fu);
    std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
    mapBackground.mode = 0;
    drawMapBackground();
    EXPECT_EQ(frameBuffer[0], kSentinel);
}

TEST_F(MapDrawTest, TheHouseIndexImageFollowsTheDrawingOrder) {
    addHouseAt(100, 130); // lower: drawn later, wins the overlap
    addHouseAt(110, 120);
    addHouseAt(600, 470); // mostly below the map area
    rebuildHouseIndexImage();
    const int probes[][3] = {{105, 110, 0},  {125, 95, 1}, {50, 50, -1}, {600, 440, 2},
                             {600, 455, -1}, {-1, 0, -1},  {800, 0, -1}};
    for (const auto& p : probes) EXPECT_EQ(houseAtPixel(p[0], p[1]), p[2]) << p[0] << "," << p[1];
}

// Background pictures: TGA of every accepted type and colour-map depth, PNG of every colour type,
// damaged files, and the black picture that replaces a missing one.
struct Tga {
    uint8_t type = 2, mapType = 0, mapBits = 0, pixelBits = 24, descriptor = 0;
    uint16_t mapFirst = 0, width = 2, height = 2;
    Bytes id, map, data;

    Bytes build() const {
        Bytes out{uint8_t(id.size()), mapType, type};
        const uint32_t entryBytes = (mapBits + 7u) / 8u;
        put16(out, mapFirst);
        put16(out, entryBytes ? uint16_t(map.size() / entryBytes) : 0);
        out.push_back(mapBits);
        for (uint16_t v : {uint16_t(0), uint16_t(0), width, height}) put16(out, v);
        out.push_back(pixelBits);
        out.push_back(descriptor);
        for (const Bytes* part : {&id, &map, &data}) putBytes(out, part->data(), part->size());
        return out;
    }
};

// The pixels, or nothing when the reader refuses the file.
std::optional<V> decode(const Bytes& file, bool png) {
    ensureMemory(); // each test may run alone in its own process
    Sprite s{};
    if (!(png ? decodePng(file.data(), uint32_t(file.size()), s)
              : decodeTga(file.data(), uint32_t(file.size()), s)))
        return std::nullopt;
    V px(s.pixels, s.pixels + s.width * s.height);
    EXPECT_EQ(s.xOffset, 0);
    EXPECT_EQ(s.yOffset, 0);
    freePicture(s);
    return px;
}

// A picture of `type` at `bits` a pixel, stored from the bottom unless the descriptor says otherwise.
Tga tga(uint8_t type, uint8_t bits, uint16_t width, uint16_t height, Bytes data, uint8_t descriptor = 0) {
    Tga t;
    t.type = type, t.pixelBits = bits, t.width = width, t.height = height, t.descriptor = descriptor;
    t.data = std::move(data);
    return t;
}
Tga mapped(uint8_t mapBits, Bytes map, uint8_t indexBits, Bytes data, uint16_t width, uint16_t first = 0) {
    Tga t = tga(1, indexBits, width, 1, std::move(data));
    t.mapType = 1, t.mapBits = mapBits, t.mapFirst = first, t.map = std::move(map);
    return t;
}

TEST(TgaTest, EveryAcceptedTypeAndDepth) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6, /* bottom row */ 7, 8, 9, 10, 11, 12 /* top row */};
    Tga skipsMap = mapped(24, Bytes(6, 9), 24, {1, 2, 3}, 1);
    skipsMap.type = 2, skipsMap.id = {'h', 'i'};
    const struct {
        const char* name;
        Tga tga;
        V expected;
    } cases[] = {
        {"bottom up", tga(2, 24, 2, 2, rgb), {0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}},
        {"top down", tga(2, 24, 2, 2, rgb, 0x20), {0xFF030201, 0xFF060504, 0xFF090807, 0xFF0C0B0A}},
        {"right to left", tga(2, 24, 2, 2, rgb, 0x30), {0xFF060504, 0xFF030201, 0xFF0C0B0A, 0xFF090807}},
        {"32 bits", tga(2, 32, 2, 1, {1, 2, 3, 0x40, 4, 5, 6, 0xFF}), {0x40030201, 0xFF060504}},
        {"16 bits: red, blue", tga(2, 16, 2, 1, {0x00, 0x7C, 0x1F, 0x00}), {0xFFFF0000, 0xFF0000FF}},
        // Pure green; 0x0421 with the attribute bit: 1, 1, 1 of 31.
        {"15 bits", tga(2, 15, 2, 1, {0xE0, 0x03, 0x21, 0x84}), {0xFF00FF00, 0xFF080808}},
        // A run of 4 crossing into row 2, then 2 raw pixels.
        // clang-format off
        {"runs cross rows", tga(10, 24, 3, 2, {0x83, 10, 20, 30, 0x01, 1, 2, 3, 4, 5, 6}, 0x20), {0xFF1E140A, 0xFF1E140A, 0xFF1E140A, 0xFF1E140A, 0xFF030201, 0xFF060504}},
        // clang-format on
        {"a long run stops at the end", tga(10, 24, 3, 2, {0xFF, 9, 9, 9}), V(6, 0xFF090909)},
        {"grey", tga(3, 8, 2, 1, {0x10, 0xF0}), {0xFF101010, 0xFFF0F0F0}},
        {"grey and alpha", tga(3, 16, 2, 1, {0x10, 0x80, 0xF0, 0xFF}), {0x80101010, 0xFFF0F0F0}},
        {"grey runs", tga(11, 8, 2, 1, {0x81, 0x33}), {0xFF333333, 0xFF333333}},
        {"true colour skips a map", skipsMap, {0xFF030201}},
        {"16-bit indexes", mapped(24, {1, 2, 3, 4, 5, 6}, 16, {1, 0}, 1), {0xFF060504}},
    };
    for (const auto& c : cases) EXPECT_EQ(decode(c.tga.build(), false), c.expected) << c.name;

    const struct {
        uint8_t bits;
        Bytes entries; // two entries
        V expected;
    } maps[] = {
        {24, {1, 2, 3, 4, 5, 6}, {0xFF030201, 0xFF060504}},
        {32, {1, 2, 3, 0x77, 4, 5, 6, 0xFF}, {0x77030201, 0xFF060504}},
        {16, {0x00, 0x7C, 0xE0, 0x03}, {0xFFFF0000, 0xFF00FF00}},
        {15, {0x1F, 0x00, 0xFF, 0x7F}, {0xFF0000FF, 0xFFFFFFFF}},
    };
    for (const auto& c : maps) {
        const V& e = c.expected;
        Tga t = mapped(c.bits, c.entries, 8, {5, 6, 5}, 3, 5);
        EXPECT_EQ(decode(t.build(), false), (V{e[0], e[1], e[0]})) << int(c.bits);
        t.type = 9, t.data = {0x01, 6, 5, 0x00, 6}; // raw 2, raw 1
        EXPECT_EQ(decode(t.build(), false), (V{e[1], e[0], e[1]})) << int(c.bits);
    }
}

TEST(TgaTest, MalformedPicturesAreRefused) {
    const Tga good = tga(2, 24, 2, 2, Bytes(12, 7)), goodMapped = mapped(24, {1, 2, 3}, 8, {0, 0, 0, 0}, 4);
    ASSERT_TRUE(decode(good.build(), false));
    ASSERT_TRUE(decode(goodMapped.build(), false));
    std::vector<std::pair<std::string, Tga>> bad = {
        {"zero width", tga(2, 24, 0, 2, Bytes(12, 7))},
        {"zero height", tga(2, 24, 2, 0, Bytes(12, 7))},
        {"8-bit true colour", tga(2, 8, 2, 2, Bytes(12, 7))},
        {"truncated run", tga(10, 24, 2, 2, {0x83, 1, 2})},
        {"mapped without a map", tga(1, 8, 2, 2, Bytes(4, 0))},
        {"8-bit map entries", mapped(8, {1, 2}, 8, Bytes(4, 0), 4)},
        {"index below the map", mapped(24, {1, 2, 3}, 8, {0, 0, 0, 0}, 4, 1)},
        {"index past the map", mapped(24, {1, 2, 3}, 8, {0, 0, 0, 1}, 4)},
        {"map on grey", goodMapped},
    };
    bad.back().second.type = 3;
    for (uint8_t type : {0, 4, 32, 33, 12, 2 | 16}) {
        bad.emplace_back("type " + std::to_string(type), good);
        bad.back().second.type = type;
    }
    for (const auto& [name, t] : bad) EXPECT_FALSE(decode(t.build(), false)) << name;
    const Bytes whole = good.build(), wholeMapped = goodMapped.build();
    for (size_t size : {whole.size() - 1, size_t(10), size_t(0)})
        EXPECT_FALSE(decode(Bytes(whole.begin(), whole.begin() + long(size)), false)) << size;
    EXPECT_FALSE(decode(Bytes(wholeMapped.begin(), wholeMapped.begin() + 20), false)) << "truncated map";
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

TEST(PngTest, EveryColourTypeBecomesARGBAndDamagedFilesAreRefused) {
    const Bytes palette = {10, 20, 30, 40, 50, 60};
    const struct {
        const char* name;
        Bytes png;
        V expected;
    } cases[] = {
        // clang-format off
        {"rgb", encodePng(2, 2, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}},
        {"rgba", encodePng(2, 1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 0, 4, 5, 6, 0x80}), {0x00010203, 0x80040506}},
        {"palette", encodePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, palette), {0xFF28323C, 0xFF0A141E}},
        {"palette and tRNS", encodePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, palette, {0x20}), {0xFF28323C, 0x200A141E}},
        {"16 bits", encodePng(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x99, 0x34, 0x99, 0x56, 0x99}), {0xFF123456}},
        {"grey", encodePng(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0x11, 0xEE}), {0xFF111111, 0xFFEEEEEE}},
        {"grey and alpha", encodePng(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x11, 0x40, 0xEE, 0xFF}), {0x40111111, 0xFFEEEEEE}},
        {"2-bit grey", encodePng(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0x1B}), {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(decode(c.png, true), c.expected) << c.name;

    const Bytes png = encodePng(8, 8, PNG_COLOR_TYPE_RGB, 8, Bytes(8 * 8 * 3, 0x42));
    Bytes flipped = png;
    flipped[45] ^= 0xFF; // inside the image data: its check sum no longer matches
    for (const Bytes& bad : {Bytes(png.begin(), png.end() - 20), flipped, Bytes(png.begin(), png.begin() + 8),
                             Bytes{'n', 'o', 't', 'p', 'n', 'g', 0, 0, 0}})
        EXPECT_FALSE(decode(bad, true)) << bad.size();
}

TEST_F(LevelsTest, BackgroundsAreReadByTheirNamesEndingOrReplacedByBlack) {
    const uint32_t px[2] = {0xFF102030, 0xFF405060};
    ASSERT_TRUE(writePng(mapsFile("park.PNG"), px, 2, 1, false));
    std::filesystem::copy_file(mapsFile("park.PNG"), mapsFile("park.tga"));
    const auto blackScreen = [] {
        return backgroundPicture.width == 800 && backgroundPicture.height == 450 &&
               std::count(backgroundPicture.pixels, backgroundPicture.pixels + 800 * 450, 0xFF000000u) ==
                   800 * 450;
    };
    // A PNG under a TGA name goes to the TGA reader, which refuses it.
    freePicture(backgroundPicture);
    for (const char* name : {"", "park.tga", "missing.png"}) {
        std::snprintf(mapBackground.fileName, 1000, "%s", name);
        loadBackgroundPicture();
        EXPECT_TRUE(blackScreen()) << name;
    }
    std::snprintf(mapBackground.fileName, 1000, "park.PNG");
    loadBackgroundPicture();
    ASSERT_EQ(backgroundPicture.width, 2);
    EXPECT_EQ(backgroundPicture.pixels[1], 0xFF405060u);
    mapBackground.fileName[0] = 0; // an empty name keeps the picture, filled with black
    loadBackgroundPicture();
    EXPECT_EQ(backgroundPicture.width, 2);
    EXPECT_EQ(backgroundPicture.pixels[1], 0xFF000000u);
    freePicture(backgroundPicture);
}

} // namespace
} // namespace bvtest
