// The start of a level and of a chosen scenario.
#pragma once

#include <cstdint>

namespace bv {

// Run whenever a level begins: houses back to the bank if the level says so, the level's starting
// cash for every owner that has one, and the per-level counters cleared.
void levelStart();
// Loads the scenario chosen in set-up at level 0 and marks a scenario as loaded. 0, or -1 when the
// choice is outside the list or the file cannot be read.
int32_t startScenario();
// Reads "maps/<name>.bvx", applies the defaults, sets the level to 0 when resetLevel is non-zero,
// runs the level start and loads the level's map. A file that cannot be opened or does not hold
// what its sizes promise returns -1 and changes nothing.
int32_t loadScenario(const char* name, int32_t resetLevel);

} // namespace bv
