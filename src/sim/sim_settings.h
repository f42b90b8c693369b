// The scenario settings as the simulation reads them. The loader applies the defaults when it
// reads a file; the fallbacks here keep a scenario built in memory (tests, the editor's blank
// scenario) sane as well.
#pragma once

#include <cstdint>

#include "world/scenario.h"

namespace bv {

inline bool advancedEconomyOn() {
    return scenario.advancedEconomy != 0;
}

inline float conditionScalar() {
    return scenario.conditionScalar == 0.0f ? 0.1f : scenario.conditionScalar;
}

inline int32_t fixedDownPaymentPct() {
    return scenario.fixedDownPaymentPct == 0 ? 15 : scenario.fixedDownPaymentPct;
}

inline float fixedMortgageRate() {
    return scenario.fixedMortgageRate == 0.0f ? 18.0f : scenario.fixedMortgageRate;
}

} // namespace bv
