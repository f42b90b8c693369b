// Drawing the map: the order of the layers, depth within a layer, mirroring, the background
// modes, clipping to the map area, and the house index image.
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"
#include "levels_fixture.h"
#include "picture_sets.h"
#include "world/map_draw.h"
#include "world/map_layers.h"
#include "world/map_picture.h"

namespace bvtest {
namespace {

using namespace bv;

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

} // namespace
} // namespace bvtest
