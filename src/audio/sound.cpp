// The sound interface the game plays through: it remembers what was asked for (tests look) and
// hands the effect to the audio system, which applies the effect rules and channels.
#include "audio/sound.h"

#include "audio/audio.h"

namespace bv {

namespace {
int32_t g_lastId = -1;
int32_t g_requests = 0;
} // namespace

void playSound(int32_t id, int32_t priority) {
    g_lastId = id;
    ++g_requests;
    playEffect(id, priority);
}

int32_t lastSoundRequested() {
    return g_lastId;
}

int32_t soundRequestCount() {
    return g_requests;
}

} // namespace bv
