// The shipped scenarios: the career campaign, the tycoon game and the short tutorial scenario.
// Each level is written for Normal; Easy gets half as many months again, a quarter more starting
// cash and gentler money goals, Hard a fifth fewer months, less cash and steeper money goals.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "assets/strings.h"
#include "out.h"
#include "towns.h"
#include "world/scenario.h"

namespace bv::maps {

namespace {

struct Goals {
    int purchases = 0, renters = 0, upgrades = 0, renos = 0, sales = 0;
    int houseCount = 0, minValue = 0, minRent = 0, minCondition = 0, minHistory = 0;
    int combinedRent = 0, equity = 0, cash = 0;
    int hold = 0;
    bool fullTerm = false;
};

struct LevelDef {
    const char* map;
    const char* title;
    const char* intro;
    int months;
    int startingCash; // 0 keeps the player's cash (and, on a new map, the value of the old houses)
    bool resetToBank;
    Goals goals;
};

struct ScenarioDef {
    const char* file;
    const char* name;
    const char* description;
    bool career;
    bool advancedEconomy;
    int bankListInterval, minBankListings, maxBankListings;
    std::vector<LevelDef> levels;
};

// Money rounded to $500, never below $500 when it was set at all.
int money(double value) {
    if (value <= 0) return 0;
    return std::max(500, int(std::lround(value / 500.0)) * 500);
}

void fillLevel(LevelRecord& r, const LevelDef& def, int difficulty) {
    static const double kMonths[] = {1.5, 1.0, 0.8};
    static const double kCash[] = {1.25, 1.0, 0.8};
    static const double kGoalMoney[] = {0.85, 1.0, 1.15};
    std::memset(&r, 0, sizeof r);
    const Goals& g = def.goals;
    r.resetToBank = def.resetToBank ? 1 : 0;
    r.monthsToPlay = std::clamp(int(def.months * kMonths[difficulty]), 1, 110);
    r.startingCash = money(def.startingCash * kCash[difficulty]);
    r.houseCount = g.houseCount;
    r.minHouseValue = money(g.minValue * kGoalMoney[difficulty]);
    r.minRent = money(g.minRent * kGoalMoney[difficulty]);
    r.minCondition = g.minCondition;
    r.minRenterHistory = g.minHistory;
    r.minCombinedRent = money(g.combinedRent * kGoalMoney[difficulty]);
    r.minEquity = money(g.equity * kGoalMoney[difficulty]);
    r.minCash = money(g.cash * kGoalMoney[difficulty]);
    r.numPurchases = g.purchases;
    r.numRenters = g.renters;
    r.numUpgrades = g.upgrades;
    r.numRenos = g.renos;
    r.numSales = g.sales;
    r.monthsToHold = g.hold;
    r.playFullTerm = g.fullTerm ? 1 : 0;
    widenInto(r.title, kTextCapacity, "%s", def.title);
    widenInto(r.introText, kTextCapacity, "%s", def.intro);
    std::snprintf(r.mapFile, sizeof r.mapFile, "%s.map", def.map);
}

void writeScenario(const ScenarioDef& def) {
    clearScenario();
    if (def.levels.empty() || def.levels.size() > size_t(kMaxLevels))
        gen::die("%s: bad level count", def.file);
    scenario.levelCount = int32_t(def.levels.size());
    widenInto(scenario.scenarioName, kTextCapacity, "%s", def.name);
    widenInto(scenario.scenarioDescription, kTextCapacity, "%s", def.description);
    scenario.careerMode = def.career ? 1 : 0;
    scenario.advancedEconomy = def.advancedEconomy ? 1 : 0;
    scenario.conditionScalar = 0.1f;
    scenario.bankListInterval = def.bankListInterval;
    scenario.maxBankListings = def.maxBankListings;
    scenario.minBankListings = def.minBankListings;
    scenario.fixedDownPaymentPct = 15;
    scenario.fixedMortgageRate = 18.0f;
    for (size_t i = 0; i < def.levels.size(); ++i) {
        for (int d = 0; d < kDifficultyCount; ++d) fillLevel(levelTable[d][i], def.levels[i], d);
    }
    if (saveScenario(def.file) != 0) gen::die("cannot write scenario %s", def.file);
}

Goals purchases(int n) {
    Goals g;
    g.purchases = n;
    return g;
}

} // namespace

void writeScenarios() {
    ScenarioDef career{
        "career",
        "A Home in Brickvale",
        "Start with one quiet lane and a friendly bank manager, and build a property business that "
        "reaches the very top of Crown Hill.",
        true,
        false,
        10000,
        1,
        5,
        {}};
    Goals g;
    career.levels.push_back(
        {"maple_lane", "Your First Front Door",
         "Welcome to Maple Lane! The bank has a few cottages for sale. Click a house with a sign, "
         "make an offer and buy two homes of your own before the year is out.",
         12, 30000, true, purchases(2)});
    g = Goals{};
    g.renters = 3, g.purchases = 1;
    career.levels.push_back(
        {"maple_lane", "Tenants Wanted",
         "A house pays its way once somebody lives in it. Buy one more home and find tenants for "
         "three of your houses. A fair rent brings them knocking.",
         12, 0, false, g});
    g = Goals{};
    g.combinedRent = 3500, g.hold = 3;
    career.levels.push_back(
        {"maple_lane", "Rent Day",
         "Rent arrives on the first of every month. Bring your rents up to the goal below and "
         "keep them there: the bank likes to see steady money.",
         20, 0, false, g});
    g = Goals{};
    g.purchases = 2, g.upgrades = 2;
    career.levels.push_back(
        {"cedar_park", "Room to Grow",
         "Your Maple Lane homes have been sold for you, and the money is yours to spend in Cedar "
         "Park. Buy two family homes and upgrade two houses to raise their value.",
         18, 0, true, g});
    g = Goals{};
    g.equity = 90000;
    career.levels.push_back(
        {"cedar_park", "Bricks and Equity",
         "Equity is what you would keep if you sold up today: cash plus what your houses are "
         "worth, less what you owe. Grow it past the goal.",
         30, 0, false, g});
    g = Goals{};
    g.houseCount = 3, g.minCondition = 3, g.renos = 1;
    career.levels.push_back(
        {"cedar_park", "Spick and Span",
         "Cedar Park notices a tidy garden. Bring three of your houses up to three stars or more, "
         "and give one house a complete renovation.",
         24, 0, false, g});
    g = Goals{};
    g.sales = 2, g.cash = 40000, g.equity = 300000;
    career.levels.push_back(
        {"willow_bend", "Buy Low, Sell High",
         "Down by the river, prices move. List houses for more than you paid, sell two of them, "
         "finish with money in the bank and grow your equity past the goal.",
         24, 0, true, g});
    g = Goals{};
    g.houseCount = 3, g.minHistory = 3, g.renters = 4, g.hold = 3;
    career.levels.push_back(
        {"willow_bend", "Tenants You Can Trust",
         "Good tenants pay on time and look after the place. Turn away the doubtful ones until "
         "three of your houses hold tenants with a fine record.",
         24, 0, false, g});
    g = Goals{};
    g.houseCount = 3, g.minRent = 3000, g.combinedRent = 12000, g.fullTerm = true;
    career.levels.push_back(
        {"willow_bend", "Riverside Rents",
         "The town houses on Mill Street and the Victorians on the water earn the best rents. "
         "Let three houses at the rent below and meet the goals at a month's end.",
         24, 0, false, g});
    g = Goals{};
    g.houseCount = 1, g.minValue = 300000, g.purchases = 1;
    career.levels.push_back(
        {"crown_hill", "A House on the Hill",
         "Crown Hill at last: villas, Victorians and mansions with views over the whole town. Buy "
         "a house here worth at least the sum below.",
         30, 0, true, g});
    g = Goals{};
    g.equity = 400000, g.combinedRent = 16000, g.cash = 40000, g.hold = 4;
    career.levels.push_back(
        {"crown_hill", "The Top of the Hill",
         "One last climb. Build your equity, your rents and your cash to the goals below and hold "
         "them for three month ends in a row to win the game.",
         36, 0, false, g});
    writeScenario(career);

    ScenarioDef tycoon{
        "tycoon",
        "Brickvale Tycoon",
        "Four rival investors, a restless economy and your credit rating. Finish every term with the "
        "biggest portfolio in town.",
        false,
        true,
        8000,
        1,
        6,
        {}};
    tycoon.levels.push_back(
        {"brickvale_central", "Market Town",
         "Four rivals have their eyes on Brickvale. Watch the economy chart, keep your credit "
         "rating healthy and buy where the others are not looking.",
         24, 50000, true, Goals{}});
    tycoon.levels.push_back(
        {"brickvale_central", "Boom and Bust",
         "The economy is on the turn. Sell into the good months, buy in the lean ones and keep "
         "your rating up so that the bank keeps lending.",
         24, 0, false, Goals{}});
    tycoon.levels.push_back(
        {"lakeside_estates", "Lakeside Estates",
         "Your town houses have been sold for you. The finest addresses in the county wait by the "
         "lake, and every rival wants them. End the term as rich as you can.",
         36, 0, true, Goals{}});
    writeScenario(tycoon);

    ScenarioDef first{"first_steps",
                      "First Steps",
                      "One gentle level on Maple Lane: buy a home, find a tenant and learn the ropes.",
                      true,
                      false,
                      4000,
                      2,
                      4,
                      {}};
    g = Goals{};
    g.purchases = 1, g.renters = 1;
    first.levels.push_back(
        {"maple_lane", "Learning the Ropes",
         "Pick a house with a For Sale sign, make the bank an offer and move a tenant in. Take "
         "your time: nobody hurries on Maple Lane.",
         12, 30000, true, g});
    writeScenario(first);
}

} // namespace bv::maps
