// The start-up logo sequence: the maker's emblem slides in from above and fades in over half a
// second, then the name, subtitle and sparkle layers join it. From 3.3 s on, each pass creates
// one music track; the sequence ends when audio reports that all of them are loaded. It runs its
// own loop (pump, draw, present) before the frame loop exists.
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "audio/audio.h"
#include "audio/sound.h"
#include "core/input.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/framebuffer.h"
#include "platform/platform.h"
#include "screens/screens.h"

namespace bv {

namespace {
constexpr int32_t kSoundMakerLogo = 17; // "quillmoor.wav"
constexpr uint32_t kSlideMs = 500;
constexpr uint32_t kAudioStartMs = 3300;
constexpr uint32_t kPassMs = 33;
} // namespace

LogoFrame logoFrameAt(uint32_t t) {
    LogoFrame f{1, 300, 255};
    if (t < kSlideMs) {
        f.emblemY = int32_t(t) * 600 / int32_t(kSlideMs) - 300;
        f.opacity = int32_t(t) * 255 / int32_t(kSlideMs);
        return f;
    }
    if (t > 1500) f.layers = 2;
    if (t > 2000) f.layers = 3;
    if (t > 2800) f.layers = 4;
    return f;
}

void runLogoSequence() {
    const uint32_t t0 = platform::ticks();
    playSound(kSoundMakerLogo);
    for (;;) {
        const uint32_t passStart = platform::ticks();
        pumpInput();
        const uint32_t t = passStart - t0;
        fillRect(frameBuffer, 0, 0, kFrameWidth, kFrameHeight, 0);
        const LogoFrame f = logoFrameAt(t);
        const Sprite* emblem = spriteAt(logoSprites, pic::kLogoMakerEmblem);
        if (emblem) {
            if (f.opacity < 255)
                drawSpriteFaded(frameBuffer, 400, f.emblemY, emblem, emblem->width, emblem->height, false,
                                f.opacity);
            else
                drawSprite(frameBuffer, 400, f.emblemY, emblem, false);
        }
        for (int32_t layer = 1; layer < f.layers; ++layer) {
            const Sprite* s = spriteAt(logoSprites, pic::kLogoMakerEmblem + layer);
            if (s) drawSprite(frameBuffer, 400, 300, s, false);
        }
        markDirty(0, 0, kFrameWidth, kFrameHeight);
        present();
        if (t > kAudioStartMs && createMusicStep()) break;
        // The pace of the frame loop, so the sequence takes the same time on every machine.
        while (platform::ticks() - passStart < kPassMs) platform::sleepMs(3);
    }
}

} // namespace bv
