// The simulation's part of a scripted run's state line.
#pragma once

#include <cstdint>
#include <string>

namespace bv {

// "month=<months elapsed> day=<day of month> cash=<player's cash> points=<player's credit points>
// rating=<player's credit rating> owned=<houses of owners 0..5, comma-separated>".
std::string simStatePairs();
// The market's pairs: "selected=<selected house> owner=<its owner> listed=<0|1> ask=<its asking
// price>" (owner -1, listed 0 and ask 0 without a selected house).
std::string marketStatePairs();
// "HOUSE i=<index>" and every field of the house's record as name=value, in record order; an
// empty text for a bad index.
std::string houseLine(int32_t house);

} // namespace bv
