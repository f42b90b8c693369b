// The game's two random sources.
//
// The game generator (MT19937, seeded once with a fixed key) decides everything in the
// simulation, so every run plays the same sequence from the same inputs. The effect generator
// is a walk over a fixed 256-byte table for sparkles and pop-ups only; it never touches the game
// generator, so visual effects cannot change the course of a game.
#pragma once

#include <cstdint>

namespace bv {

// 0..n-1 from the game generator (plain remainder); 0 for n = 0 without advancing it.
uint32_t random(uint32_t n);
// One full 32-bit output of the game generator.
uint32_t randomRaw();
// a when a == b, otherwise min(a, b) + random(|b - a|): the larger end is excluded.
int32_t randomInRange(int32_t a, int32_t b);

// 0..min(n, 256)-1 from the effect table; 0 for n < 1.
int32_t effectRandom(int32_t n);
// Saves the effect position and continues from `seed`; more than 10 nested saves is fatal.
void pushEffectSeed(uint32_t seed);
// Restores the last saved effect position; does nothing when none is saved.
void popEffectSeed();

// Tests only: both generators back to their state at program start (game generator unseeded,
// effect position 0, empty seed stack).
void resetRandomForTests();

// The Mersenne Twister itself, exposed so it can be checked against the published sequences.
class Mt19937 {
  public:
    static constexpr int kWords = 624;
    // The reference single-word seeding (init_genrand).
    void seed(uint32_t s);
    // The reference array seeding (init_by_array).
    void seedByArray(const uint32_t* key, int length);
    bool seeded() const { return index_ <= kWords; }
    uint32_t next();

  private:
    void regenerate();
    uint32_t state_[kWords] = {};
    int index_ = kWords + 1; // kWords + 1: never seeded
};

} // namespace bv
