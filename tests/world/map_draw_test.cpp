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

uint32_t pixel(int x, int y) {
    return frameBuffer[y * kFrameWidth + x] & 0xFFFFFF;
}

// An opaque sprite pixel as the blending rule leaves it (a colour channel of 192 becomes 191).
uint32_t drawn(uint32_t colour) {
    return blendColour(colour, 0, 255);
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
        makePictureSet(houseSprites, {{"house.png", 40, 40, kRed}, {"small.png", 10, 10, kRed}});
        makePictureSet(objectSprites, {{"tree.png", 40, 40, kGreen},
                                       {"van.png", 40, 40, kBlue},
                                       {"lamp.png", 40, 40, kYellow},
                                       {"half.png", 4, 2, 0}});
        // "half": left half blue, right half yellow.
        uint32_t* half = objectSprites.sprites[3].sprite.pixels;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) half[y * 4 + x] = x < 2 ? kBlue : kYellow;
        scenario.careerMode = 1;
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
    // A label whose picture is a solid 40 x 40 square standing on its anchor.
    void addSquareLabel(int32_t x, int32_t y, uint32_t colour) {
        int32_t i = addLabel(x, y, u"Square", 0);
        auto* block = static_cast<uint8_t*>(memAlloc(sizeof(Sprite) + 40 * 40 * 4));
        auto* s = reinterpret_cast<Sprite*>(block);
        *s = Sprite{};
        s->width = s->height = 40;
        s->xOffset = -20;
        s->yOffset = -40;
        s->pixels = reinterpret_cast<uint32_t*>(block + sizeof(Sprite));
        std::fill(s->pixels, s->pixels + 1600, colour);
        if (labelPictures[i]) freeTextSprite(labelPictures[i]);
        labelPictures[i] = s;
    }
};

TEST_F(MapDrawTest, LayersAreDrawnInTheirOrderWhateverTheirDepth) {
    // Every layer covers (100, 92); the later layers stand higher up the screen, so depth alone
    // would draw them first.
    setBackground(800, 450, kGrey, 1);
    addMapObject(backgroundObjects, 100, 120, 0, false, false);
    addSquareLabel(100, 115, kLabel);
    MapHouse* h = addHouse();
    h->x = 100, h->y = 110, h->pictureIndex = 0;
    addMapObject(foregroundObjects, 100, 105, 1, false, false);
    addMapObject(foregroundObjects, 100, 100, 2, false, true);

    const uint32_t expected[] = {kYellow, kBlue, kRed, kLabel, kGreen, kGrey};
    for (uint32_t colour : expected) {
        std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
        drawMapTown();
        EXPECT_EQ(pixel(100, 92), colour == kGrey ? kGrey & 0xFFFFFF : drawn(colour));
        // Take away the top layer for the next round.
        if (colour == kYellow) removeMapObject(foregroundObjects, 0);
        if (colour == kBlue) removeMapObject(foregroundObjects, 0);
        if (colour == kRed) mapHouses[0].highlight = 2; // hidden while blinking
        if (colour == kLabel) removeLabel(0);
        if (colour == kGreen) removeMapObject(backgroundObjects, 0);
    }
}

TEST_F(MapDrawTest, LowerObjectsCoverHigherOnesWithinALayer) {
    addMapObject(backgroundObjects, 100, 130, 1, false, false); // lower, placed first
    addMapObject(backgroundObjects, 110, 120, 0, false, false);
    drawMapTown();
    EXPECT_EQ(pixel(105, 110), drawn(kBlue));
    EXPECT_EQ(pixel(125, 110), drawn(kGreen));
}

TEST_F(MapDrawTest, MirroredObjectsTurnAboutTheirAnchor) {
    addMapObject(backgroundObjects, 50, 50, 3, false, false);
    addMapObject(backgroundObjects, 150, 50, 3, true, false);
    drawMapTown();
    EXPECT_EQ(pixel(48, 49), drawn(kBlue));
    EXPECT_EQ(pixel(51, 49), drawn(kYellow));
    EXPECT_EQ(pixel(148, 49), drawn(kYellow));
    EXPECT_EQ(pixel(151, 49), drawn(kBlue));
}

TEST_F(MapDrawTest, NothingIsDrawnBelowTheMapArea) {
    setBackground(64, 64, kGrey, 1);
    addMapObject(backgroundObjects, 400, 470, 0, false, false);
    addMapObject(foregroundObjects, 300, 460, 1, false, true);
    MapHouse* h = addHouse();
    h->x = 200, h->y = 480, h->pictureIndex = 0;
    drawMapTown();
    EXPECT_EQ(pixel(400, 449), drawn(kGreen));
    EXPECT_EQ(pixel(200, 449), drawn(kRed));
    EXPECT_EQ(pixel(799, 449), kGrey & 0xFFFFFF);
    for (int y = 450; y < 600; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(frameBuffer[y * 800 + x], kSentinel) << x << "," << y;
    // A tighter clip rectangle of the caller is kept.
    std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
    setClip(0, 0, 800, 100);
    drawMapTown();
    EXPECT_EQ(frameBuffer[100 * 800 + 10], kSentinel);
    EXPECT_EQ(clipBottom(), 100);
}

TEST_F(MapDrawTest, HousesOutsideTheirRangeOrWithoutPictureAreNotDrawn) {
    MapHouse* h = addHouse();
    h->x = 100, h->y = 550, h->pictureIndex = 0; // anchor below 549: would reach up to row 510
    h = addHouse();
    h->x = 300, h->y = 100, h->pictureIndex = -1;
    h = addHouse();
    h->x = 500, h->y = 100, h->pictureIndex = 9;
    drawMapTown();
    EXPECT_EQ(std::count(frameBuffer, frameBuffer + kFramePixels, kSentinel), kFramePixels);
}

TEST_F(MapDrawTest, BackgroundIsTiledFromTheCorner) {
    setBackground(300, 200, kGrey, 1);
    backgroundPicture.pixels[0] = 0xFF010203;
    backgroundPicture.pixels[200 * 300 - 1] = 0xFF040506;
    drawMapBackground();
    EXPECT_EQ(pixel(0, 0), 0x010203u);
    EXPECT_EQ(pixel(300, 200), 0x010203u);
    EXPECT_EQ(pixel(600, 400), 0x010203u);
    EXPECT_EQ(pixel(599, 399), 0x040506u);
    EXPECT_EQ(pixel(799, 449), kGrey & 0xFFFFFF);
    EXPECT_EQ(frameBuffer[450 * 800], kSentinel);
}

TEST_F(MapDrawTest, CentredBackgroundIsCentredOnTheScreen) {
    setBackground(800, 450, kGrey, 2);
    backgroundPicture.pixels[0] = 0xFF010203;
    drawMapBackground();
    EXPECT_EQ(frameBuffer[74 * 800], kSentinel);
    EXPECT_EQ(pixel(0, 75), 0x010203u);
    EXPECT_EQ(frameBuffer[450 * 800], kSentinel); // rows 450..524 of the picture are cut
    // A full-screen picture shows its top 450 rows.
    setBackground(800, 600, kGrey, 2);
    backgroundPicture.pixels[0] = 0xFF070809;
    drawMapBackground();
    EXPECT_EQ(pixel(0, 0), 0x070809u);
    // Mode 0 shows nothing.
    std::fill(frameBuffer, frameBuffer + kFramePixels, kSentinel);
    mapBackground.mode = 0;
    drawMapBackground();
    EXPECT_EQ(frameBuffer[0], kSentinel);
}

TEST_F(MapDrawTest, TranslucentBackgroundPixelsAreBlended) {
    setBackground(800, 450, 0x80FFFFFF, 1);
    std::fill(frameBuffer, frameBuffer + kFramePixels, 0);
    drawMapBackground();
    EXPECT_EQ(pixel(5, 5), blendColour(0xFFFFFF, 0, 0x80));
}

TEST_F(MapDrawTest, TheHouseIndexImageFollowsTheDrawingOrder) {
    MapHouse* h = addHouse();
    h->x = 100, h->y = 130, h->pictureIndex = 0; // lower: drawn later, wins the overlap
    h = addHouse();
    h->x = 110, h->y = 120, h->pictureIndex = 0;
    h = addHouse();
    h->x = 600, h->y = 470, h->pictureIndex = 0; // mostly below the map area
    rebuildHouseIndexImage();
    EXPECT_EQ(houseAtPixel(105, 110), 0);
    EXPECT_EQ(houseAtPixel(125, 95), 1);
    EXPECT_EQ(houseAtPixel(50, 50), -1);
    EXPECT_EQ(houseAtPixel(600, 440), 2);
    EXPECT_EQ(houseAtPixel(600, 455), -1);
    EXPECT_EQ(houseAtPixel(-1, 0), -1);
    EXPECT_EQ(houseAtPixel(800, 0), -1);
}

} // namespace
} // namespace bvtest
