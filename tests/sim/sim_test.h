// What every simulation test reads: the fixture, the simulation's headers and the few it uses
// from below.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/random.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/daily_loop.h"
#include "sim/economy.h"
#include "sim/effect_list.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/portfolio.h"
#include "sim/renters.h"
#include "sim/repairs.h"
#include "sim/rivals.h"
#include "sim/sim_fixture.h"
#include "sim/tenancy.h"
#include "support/state_table.h"
#include "world/map.h"
#include "world/scenario.h"
