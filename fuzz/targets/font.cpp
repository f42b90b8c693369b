// Bitmap fonts (".spr") from a font image, then what the screens do with a font: texts laid out
// in an area and drawn (wrapped, centred, outlined, in capitals), measured, counted in lines and
// rendered into a picture the way street names are.
#include "gfx/font.h"
#include "fuzz.h"
#include "gfx/framebuffer.h"
#include "gfx/text.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bvfuzz::openGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    static bv::Font font;
    if (!bv::loadFontImage(data, uint32_t(size), "fuzz.spr", font)) return 0;
    FUZZ_CHECK(font.count > 0 && font.glyphs != nullptr);
    const char16_t* sample = u"Rent is due on day 0.\n\r$1,250 a month - 3 rooms, 2 baths\n\rMaple Row";
    bv::resetClip();
    bv::setDrawTarget(bv::frameBuffer);
    bv::setFont(&font);
    bv::setTextArea(40, 40, 300, 560);
    bv::drawText(40, 40, false, 0, sample);
    bv::drawText(400, 300, true, bv::kStyleOutline | bv::kStyleUpperCase | 0x336699, sample);
    bv::drawText(790, 590, false, bv::kStyleSingleLine, sample);
    bv::measureText(0, 0, false, 0, sample);
    bv::countTextLines(sample);
    bv::textWidth(sample);
    bv::linesInArea();
    bv::freeTextSprite(bv::renderPlainTextSprite(0xFFF8E8, u"High Street"));
    bv::setTextArea(0, 0, bv::kFrameWidth, bv::kFrameHeight);
    bv::setFont(nullptr);
    return 0;
}
