#include "sim/owner.h"

namespace bv {

OwnerRecord owners[kOwnerCount + 1] = {};

} // namespace bv
