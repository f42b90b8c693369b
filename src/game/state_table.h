// The game's fixed table of states: every screen and dialog with its music and operations.
#pragma once

#include <cstdint>

#include "core/state.h"

namespace bv {

extern const StateDef kStateTable[];
int32_t stateCount();

} // namespace bv
