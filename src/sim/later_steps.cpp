#include "sim/later_steps.h"

#include "levels/scenario.h"
#include "sim/calendar.h"
#include "sim/houses.h"

namespace bv {

void rivalsTick() {}

} // namespace bv
