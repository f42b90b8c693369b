// bvbot: the reference player. It plays a scenario on the headless backend through the screens a
// player sees, with the same clicks and keys (game/drive.h), and prints one line per level:
//   level 3 won    months 7/18   cash 41200   net worth 96400   houses 4   Rent Day
//
//   bvbot SCENARIO [--difficulty D] [--level N] [--seed S] [--game DIR] [--saves DIR] [--verbose]
//
// D is 0 Easy, 1 Normal (the default), 2 Hard, or their names. Without --level the bot plays the
// scenario from its first level to its last, as a player does; with --level N (counted from 1) it
// plays that level alone: set-up starts the scenario, and the first goals screen moves on to level N
// as the end-of-level "Continue" does, so the level begins with what level 1 gives (its starting
// cash, no houses) on its own town. S seeds the bot's own generator, which only spaces its moves on
// the board by 0..2 frames: another seed, other days for the same decisions, another game.
// --verbose traces its moves and the dialogs it answers on standard error. Without --saves it plays
// with a saves folder of its own, removed at the end.
// Exit status: 0 when every level played was won, 1 when one failed, 2 on a usage or start error.
//
// The bot reads the game as bvplay's checks and print commands do (the goals, the houses, the
// cash), and acts only through input events: a click on a house's picture, the panel's buttons,
// the dialogs' buttons and arrows, "EndMonth", and the title menu, set-up and goals screens.
//
// Strategy. Each level it reads the goals and works on the ones not yet met:
//   - Buying: it buys when a goal needs a house (purchases, renters, sales, a number of houses of
//     some value, rent or condition, the combined rent) or, with no goal in the way (equity, or a
//     tycoon level without goals), as an investment. It picks the cheapest listed house that
//     serves the goal, offers 98% of the asking price (a seller's reserve is at least 1% below
//     the asking price and he accepts 95..99% of it, so the offer is always taken), takes a
//     counter-offer it can pay, and keeps a reserve: a month of mortgage payments (the new
//     house's too) and $1,500 for what a goal needs (for a purchase, or an upgrade the upgrade
//     goal counts, after a third of the term only the new house's first payment and $500); two months (both
//     of the new house's too), $3,000 and the cash goal with a quarter more for anything else.
//   - Renters: applicants are taken in, except below the history class a tenant goal asks for
//     (an empty house costs its mortgage all the same). A renter who would stay happy at a higher rent pays
//     it when rent counts (rent, equity and cash goals, tycoon levels); for a rent goal a neutral renter will
//     do. An unhappy renter's rent is lowered.
//   - Work: it upgrades for an upgrade or condition goal (the highest house below the class
//     first; for a tenant goal, up to the history class asked for, so that good tenants stay
//     happy), renovates completely for a renovation goal (the cheapest house below three stars),
//     and for a combined-rent goal, an equity goal or a tycoon level upgrades its cheapest house
//     before it buys another (a level adds a quarter to the rent and a tenth of the base value
//     for 6% of it). Investing buys no more than 15 houses. Every repair is paid when the cash allows.
//   - Selling: for a sales goal it lists its houses with the most equity at their value and
//     accepts buyers' offers of at least 85% of the asking price; it declines all other offers.
//   - Otherwise it hurries the month with "EndMonth" and answers every dialog that comes.
#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "assets/strings.h"
#include "core/clock.h"
#include "core/input.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "game/drive.h"
#include "game/game.h"
#include "gfx/framebuffer.h"
#include "levels/goals.h"
#include "platform/platform.h"
#include "screens/town_view.h"
#include "sim/calendar.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/houses.h"
#include "sim/market.h"
#include "sim/owner.h"
#include "sim/portfolio.h"
#include "sim/renters.h"
#include "sim/repairs.h"
#include "sim/tenancy.h"
#include "ui/hotspots.h"
#include "world/map.h"
#include "world/scenario.h"

namespace {

using namespace bv;

// Tags the screens give the buttons the tutorial points at.
constexpr int32_t kPlayGameTag = 2;
constexpr int32_t kEndMonthTag = 24;
constexpr int32_t kSetupPlayTag = 26;
// The house panel's buttons, centred at x 725, 35 pixels apart from y 505.
constexpr int32_t kPanelX = 725;
constexpr int32_t kPanelY[3] = {505, 540, 575};
// Investing stops buying at this many houses (and goes on upgrading them).
constexpr int32_t kMostInvestedHouses = 15;

enum class Act { kNone, kBuy, kUpgrade, kRenovate, kSell, kRentUp, kRentDown };

struct Plan {
    Act act = Act::kNone;
    int32_t house = -1;
};

struct LevelResult {
    int32_t level = 0;
    bool won = false;
    int32_t months = 0;
    int32_t monthsToPlay = 0;
    int32_t cash = 0;
    int32_t worth = 0;
    int32_t houses = 0;
    std::string title;
};

const HouseState& hs(int32_t i) {
    return houseStates[i];
}

bool mine(int32_t i) {
    return hs(i).owner == kOwnerPlayer;
}

bool working(int32_t i) {
    return hs(i).renoKind != 0 || hs(i).evicting;
}

int32_t cash() {
    return owners[kOwnerPlayer].cash;
}

bool g_verbose = false;

// With --verbose: what the bot does, on standard error.
void trace(const char* what, int32_t a = -1, int32_t b = -1) {
    if (!g_verbose) return;
    std::fprintf(stderr, "[L%d m%d d%d s%d cash %d] %s %d %d\n", currentLevel + 1, monthsElapsed, dayOfMonth,
                 currentStateId(), cash(), what, a, b);
}

class Bot {
  public:
    Bot(std::string scenario, int32_t difficulty, int32_t onlyLevel, uint32_t seed)
        : scenario_(std::move(scenario)), difficulty_(difficulty), onlyLevel_(onlyLevel), rng_(seed) {}

    // Plays until the scenario is over (or the level asked for is). Returns the exit status.
    int run() {
        int64_t budget = 0;
        int32_t lastState = -1;
        int64_t sameStateFrames = 0;
        while (!finished_ && !exitGame) {
            const int32_t state = currentStateId();
            if (state == lastState && state != kStateGame) {
                if (++sameStateFrames > 3000)
                    return fail(std::string("stuck in state ") + std::to_string(state));
            } else {
                sameStateFrames = 0;
            }
            lastState = state;
            if (++budget > 4000000) return fail("the game did not end");
            step(state);
        }
        if (!error_.empty()) return fail(error_);
        bool allWon = !results_.empty();
        for (const LevelResult& r : results_) allWon = allWon && r.won;
        return allWon ? 0 : 1;
    }

  private:
    int fail(const std::string& why) {
        std::fprintf(stderr, "bvbot: %s (state %d, level %d, month %d, frame %lld)\n", why.c_str(),
                     currentStateId(), currentLevel + 1, monthsElapsed, static_cast<long long>(frameCount));
        return 2;
    }

    // --- Pressing what the screen shows ------------------------------------------------------

    // Runs frames until a hot spot lies under (x, y) while the state stays; true when one does.
    bool waitForSpot(int32_t x, int32_t y, int32_t maxFrames = 90) {
        const int32_t state = currentStateId();
        for (int32_t n = 0; n < maxFrames; ++n) {
            if (currentStateId() != state || exitGame) return false;
            if (hotSpotAt(x, y) != 0) return true;
            driveFrames(1);
        }
        return false;
    }

    bool press(int32_t x, int32_t y) {
        if (!waitForSpot(x, y)) return false;
        driveClick(x, y);
        return true;
    }

    bool pressTag(int32_t tag) {
        for (int32_t n = 0; n < 90; ++n) {
            if (const HotSpot* h = findHotSpotByTag(tag)) {
                driveClick(h->left + h->width / 2, h->top + h->height / 2);
                return true;
            }
            driveFrames(1);
        }
        return false;
    }

    // The first hot spot whose value is `value` and whose centre lies in the given rows.
    const HotSpot* spotByValue(int32_t value, int32_t top, int32_t bottom) {
        for (int32_t i = 0; i < hotSpotCount(); ++i) {
            const HotSpot* h = hotSpotByIndex(i);
            const int32_t cy = h->top + h->height / 2;
            if (h->value == value && cy >= top && cy < bottom && h->width < 200) return h;
        }
        return nullptr;
    }

    void pressSpot(const HotSpot* h) { driveClick(h->left + h->width / 2, h->top + h->height / 2); }

    // The single button of a message box: the last hot spot the dialog registered.
    void answerMessage() {
        for (int32_t n = 0; n < 120 && hotSpotCount() == 0; ++n) driveFrames(1);
        if (hotSpotCount() == 0) return;
        pressSpot(hotSpotByIndex(hotSpotCount() - 1));
    }

    // Clicks a visible pixel of house i in the town, where no button takes the click, and waits
    // until the house has flown to the panel.
    bool selectHouse(int32_t i) {
        if (selectedHouse == i && houseInFlight() < 0) return true;
        if (!houseIndexImage) return false;
        std::vector<std::pair<int32_t, int32_t>> pixels;
        for (int32_t y = 40; y < kBoardPanelTop - 2; y += 2)
            for (int32_t x = 2; x < 798; x += 2)
                if (houseIndexImage[y * kFrameWidth + x] == i + 1) pixels.emplace_back(x, y);
        if (pixels.empty()) return false;
        // From the middle of the picture outwards, the first pixel no button covers.
        const auto mid = pixels[pixels.size() / 2];
        std::sort(pixels.begin(), pixels.end(), [&](auto a, auto b) {
            auto d = [&](auto p) {
                return (p.first - mid.first) * (p.first - mid.first) +
                       (p.second - mid.second) * (p.second - mid.second);
            };
            return d(a) < d(b);
        });
        for (size_t k = 0; k < pixels.size() && k < 40; k += 4) {
            const auto [x, y] = pixels[k];
            driveMove(x, y);
            const HotSpot* h = hotSpotByIndex(hotSpotAt(x, y) - 1);
            if (!h || h->width != kFrameWidth || h->value != i) continue;
            driveClick(x, y);
            for (int32_t n = 0; n < 40; ++n) {
                if (currentStateId() != kStateGame) return false;
                if (selectedHouse == i && houseInFlight() < 0) return true;
                driveFrames(1);
            }
            return false;
        }
        return false;
    }

    // --- The states ----------------------------------------------------------------------------

    void step(int32_t state) {
        if (state != kStateGame && state != lastTraced_) trace("state", state);
        lastTraced_ = state;
        switch (state) {
        case kStateEnterName:
            driveFrames(2);
            driveType("Bot");
            driveKey(virtualKeyByName("Enter"));
            driveFrames(30);
            break;
        case kStateAttract:
            if (started_) {
                finished_ = true; // back on the title menu after the game
                break;
            }
            if (!pressTag(kPlayGameTag)) error_ = "no Play button on the title menu", finished_ = true;
            driveFrames(5);
            break;
        case kStateSetup:
            setup();
            break;
        case kStateDisplayGoals:
            goals();
            break;
        case kStateGame:
            board();
            break;
        case kStateRentApplicant:
            applicant();
            break;
        case kStateRepairs:
            if (cash() >= hs(repairHouse).repairCost && waitForSpot(249, 400))
                driveClick(249, 400);
            else
                press(400, 390);
            break;
        case kStateLastChanceRepairs:
            if (cash() >= hs(repairHouse).repairCost)
                press(249, 395);
            else
                press(550, 395);
            break;
        case kStateMakeOffer:
        case kStateMakeOfferAgain:
            makeOffer();
            break;
        case kStateSellerCounter:
            if (cash() >= downPayment(kOwnerPlayer, dealCounter) + reserve(false) &&
                dealCounter <= maxPurchase(0))
                press(280, 408);
            else
                press(520, 408);
            break;
        case kStateHouseOffer:
            houseOffer();
            break;
        case kStatePlayerCounter:
            press(500, 485);
            break;
        case kStateChangeListing:
            press(632, 490);
            break;
        case kStateUpgrade:
            upgradeDialog();
            break;
        case kStateSetRent:
            setRent();
            break;
        case kStateSetSalePrice:
            press(249, 418); // listed at the price the dialog starts with: the house's value
            break;
        case kStateRenosComplete:
            press(500, 445);
            break;
        case kStateLevelWon:
        case kStateYouWin:
            record(true);
            if (state == kStateYouWin) finished_ = true;
            driveFrames(1);
            while (currentStateId() == kStateLevelWon && !exitGame) driveFrames(1);
            break;
        case kStateFailedLevel:
            record(false);
            finished_ = true;
            break;
        case kStateEndOfLevel:
            if (onlyLevel_ > 0) {
                finished_ = true;
                break;
            }
            press(550, 380); // "Continue": the next level's goals
            break;
        case kStateOptions:
        case kStatePortfolio:
        case kStateCreditDetails:
            driveKey(virtualKeyByName("Escape"));
            driveFrames(5);
            break;
        case kStateNotEnoughCash:
        case kStateSimpleDialog:
        case kStateAvatarMessage:
        case kStateHouseMessage:
        case kStateCreditImproves:
        case kStateCreditSlips:
        case kStateForeclosure:
        case kStateSoldAtAsking:
            answerMessage();
            break;
        default:
            driveFrames(1);
            break;
        }
    }

    void setup() {
        driveFrames(3);
        const std::string wanted = scenario_.find('.') == std::string::npos ? scenario_ + ".bvx" : scenario_;
        for (int32_t tries = 0; tries < 1000 && currentStateId() == kStateSetup; ++tries) {
            if (!scenarioList || scenarioListCount == 0) {
                driveFrames(1);
                continue;
            }
            const char* shown = narrow(scenarioList[chosenScenario]);
            if (!namesEqualIgnoringCase(shown, wanted)) {
                if (tries > scenarioListCount + 5) {
                    error_ = std::string("no scenario ") + wanted + " in set-up", finished_ = true;
                    return;
                }
                press(540, 300);
                continue;
            }
            if (currentDifficulty != difficulty_) {
                const int32_t x = currentDifficulty < difficulty_ ? 500 : 300;
                const HotSpot* arrow = nullptr;
                for (int32_t y = 360; y < 525 && !arrow; y += 2)
                    if (int32_t k = hotSpotAt(x, y)) arrow = hotSpotByIndex(k - 1);
                if (!arrow) {
                    driveFrames(1);
                    continue;
                }
                pressSpot(arrow);
                continue;
            }
            pressTag(kSetupPlayTag);
            started_ = true;
            driveFrames(3);
            return;
        }
    }

    static bool namesEqualIgnoringCase(const char* a, const std::string& b) {
        return a && strcasecmp(a, b.c_str()) == 0;
    }

    void goals() {
        if (onlyLevel_ > 1 && !jumped_) {
            // Set-up starts at the first level; "Continue" from the one before leads to level N.
            jumped_ = true;
            if (onlyLevel_ > scenario.levelCount) {
                error_ = std::string("the scenario has ") + std::to_string(scenario.levelCount) + " levels";
                finished_ = true;
                return;
            }
            // Level N's town, when it is not level 1's, is loaded as a new level's town is.
            const LevelRecord& first = levelTable[currentDifficulty][0];
            const LevelRecord& wanted = levelTable[currentDifficulty][onlyLevel_ - 1];
            if (strcasecmp(first.mapFile, wanted.mapFile) != 0) {
                loadMap(wanted.mapFile);
                initHouses();
                selectedHouse = -1;
            }
            currentLevel = onlyLevel_ - 2;
            changeState(kStateLevelIntro);
            driveFrames(2);
            return;
        }
        press(400, 475);
        driveFrames(2);
    }

    void record(bool won) {
        LevelResult r;
        r.level = currentLevel + 1;
        r.won = won;
        // A level won during a month counts that month.
        const bool atMonthEnd = dayOfMonth == 0 && dayClock == 0 && monthsElapsed > 0;
        r.months = monthsElapsed + (won && !atMonthEnd ? 1 : 0);
        r.monthsToPlay = currentMonthsToPlay();
        r.cash = cash();
        r.worth = netWorth(kOwnerPlayer);
        r.houses = housesOwnedBy(kOwnerPlayer);
        r.title = narrow(currentLevelRecord().title);
        std::printf("level %-2d %-6s months %3d/%-3d  cash %9d  net worth %9d  houses %2d  %s\n", r.level,
                    won ? "won" : "FAILED", r.months, r.monthsToPlay, r.cash, r.worth, r.houses,
                    r.title.c_str());
        std::fflush(stdout);
        results_.push_back(r);
    }

    // --- Dialogs that need a decision -------------------------------------------------------------

    void applicant() {
        const GoalEvaluation g = evaluateGoals(kOwnerPlayer);
        const GoalStatus& hist = g.goals[kGoalRentersOfHistory];
        const int32_t h = pendingApplicantHistory;
        bool take = true;
        if (goalsInForce(g) && hist.active && !hist.met && h < hist.threshold) take = false;
        trace(take ? "take applicant" : "refuse applicant", pendingApplicantHouse, h);
        if (take)
            press(249, 435);
        else
            press(550, 435);
    }

    void makeOffer() {
        if (!waitForSpot(262, 420)) return;
        const HouseState& h = hs(dealHouse);
        // 98.1% of the asking price, never below what the seller always takes.
        const int32_t target = int32_t((int64_t(h.askingPrice) * 981 + 999) / 1000);
        for (int32_t n = 0; n < 80 && currentStateId() != kStateGame; ++n) {
            const bool large = dealOffer - largePriceStep(dealOffer, false) >= target;
            const bool small = dealOffer - smallPriceStep(dealOffer, false) >= target;
            if (!large && !small) break;
            // The control: small steps on the left, large on the right, down arrows below.
            const int32_t x = large ? 263 + 70 : 263 - 70;
            if (!press(x, 280 + 22)) break;
        }
        press(262, 420);
        driveFrames(2);
    }

    void houseOffer() {
        const HouseState& h = hs(dealHouse);
        const bool wanted = wantSales() && int64_t(dealOffer) * 100 >= int64_t(h.askingPrice) * 85;
        press(wanted ? 200 : 600, 485);
    }

    void upgradeDialog() {
        const int32_t x = pendingWork_ == Act::kRenovate ? 395 : 210;
        if (!press(x, 430)) press(580, 430);
        pendingWork_ = Act::kNone;
    }

    void setRent() {
        const int32_t house = selectedHouse;
        const int32_t want = std::clamp(hs(house).rentLevel + (pendingWork_ == Act::kRentUp ? 1 : -1), 0, 2);
        pendingWork_ = Act::kNone;
        if (!waitForSpot(575, 425)) return;
        for (int32_t n = 0; n < 4 && rentChoice != want; ++n) {
            const HotSpot* arrow = spotByValue(rentChoice < want ? 1 : -1, 100, 420);
            if (!arrow) break;
            pressSpot(arrow);
        }
        press(575, 425);
    }

    // --- The board ---------------------------------------------------------------------------------

    // What must stay in the bank: a month of mortgage payments and $1,500 for what the goals need;
    // two months and $3,000, plus the cash goal and a quarter more, for anything else.
    int32_t reserve(bool optional) {
        const int32_t outgo = mortgageOutgo(kOwnerPlayer);
        if (!optional) return outgo + 1500;
        int32_t r = 2 * outgo + 3000;
        const GoalEvaluation g = evaluateGoals(kOwnerPlayer);
        if (goalsInForce(g) && g.goals[kGoalMinCash].active)
            r += g.goals[kGoalMinCash].threshold + g.goals[kGoalMinCash].threshold / 4;
        return r;
    }

    bool wantSales() {
        const GoalEvaluation g = evaluateGoals(kOwnerPlayer);
        return goalsInForce(g) && g.goals[kGoalSales].active && !g.goals[kGoalSales].met;
    }

    // Can the player buy house i now, keeping the reserve?
    bool affordable(int32_t i, bool optional) {
        const HouseState& h = hs(i);
        if (!h.forSale || mine(i) || h.crankyMonths > 0) return false;
        const int32_t price = h.askingPrice;
        if (price > maxPurchase(kOwnerPlayer)) return false;
        const int32_t dp = downPayment(kOwnerPlayer, price);
        const int32_t payment = int32_t(mortgagePayment(price - dp, loanRateOf(kOwnerPlayer), 60));
        // Late in the term a goal's purchase may leave the other mortgages to the coming rents.
        const bool late = !optional && monthsElapsed * 3 >= currentMonthsToPlay();
        return int64_t(cash()) - dp - (optional ? 2 : 1) * payment >= (late ? 500 : reserve(optional));
    }

    bool tried(Act act, int32_t house) {
        auto it = tried_.find({int(act), house});
        return it != tried_.end() && frameCount - it->second < 150;
    }

    // The cheapest listed house that passes `fits`, affordable, not recently tried.
    template <class Fits> int32_t cheapestListed(bool optional, Fits fits) {
        int32_t best = -1;
        for (int32_t i = 0; i < houseCount; ++i) {
            if (!affordable(i, optional) || !fits(i) || tried(Act::kBuy, i)) continue;
            if (best < 0 || hs(i).askingPrice < hs(best).askingPrice) best = i;
        }
        return best;
    }

    int32_t owned() { return housesOwnedBy(kOwnerPlayer); }

    // The owned house, not under work and below four stars, that `better` ranks first.
    template <class Better> int32_t pickOwned(Better better) {
        int32_t best = -1;
        for (int32_t i = 0; i < houseCount; ++i) {
            if (!mine(i) || working(i) || hs(i).forSale || hs(i).level >= 4) continue;
            if (best < 0 || better(i, best)) best = i;
        }
        return best;
    }

    // The cheapest upgrade the reserve allows. An upgrade the upgrade goal counts keeps only $500
    // once a third of the term is gone, as a purchase for a goal does.
    Plan upgradeFor(bool optional, bool counted = false) {
        const int32_t i = pickOwned([](int32_t a, int32_t b) { return upgradeCostOf(a) < upgradeCostOf(b); });
        const bool late = counted && monthsElapsed * 3 >= currentMonthsToPlay();
        if (i >= 0 && !tried(Act::kUpgrade, i) &&
            int64_t(cash()) - upgradeCostOf(i) >= (late ? 500 : reserve(optional)))
            return {Act::kUpgrade, i};
        return {};
    }

    Plan decide() {
        const GoalEvaluation g = evaluateGoals(kOwnerPlayer);
        const bool goalsOn = goalsInForce(g);
        auto unmet = [&](GoalKind k) { return goalsOn && g.goals[k].active && !g.goals[k].met; };
        auto any = [](int32_t) { return true; };
        int32_t pick = -1;

        // Sales: list the houses with the most equity until enough are listed or sold.
        if (unmet(kGoalSales)) {
            const int32_t need = g.goals[kGoalSales].required - g.goals[kGoalSales].figure;
            if (listedHousesOf(kOwnerPlayer) < need) {
                int32_t best = -1;
                for (int32_t i = 0; i < houseCount; ++i) {
                    if (!mine(i) || hs(i).forSale || working(i) || tried(Act::kSell, i)) continue;
                    if (best < 0 || houseEquity(i) > houseEquity(best)) best = i;
                }
                if (best >= 0) return {Act::kSell, best};
                if ((pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};
            }
        }
        if (unmet(kGoalHousesPurchased) && (pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};

        // A number of houses of some value, rent or condition.
        const int32_t n = goalsOn ? currentLevelRecord().houseCount : 0;
        if (unmet(kGoalPropertiesOfValue)) {
            const int32_t v = g.goals[kGoalPropertiesOfValue].threshold;
            if ((pick = cheapestListed(false, [&](int32_t i) { return currentValue(i) >= v; })) >= 0)
                return {Act::kBuy, pick};
        }
        if (unmet(kGoalPropertiesOfRent)) {
            const int32_t r = g.goals[kGoalPropertiesOfRent].threshold;
            int32_t able = 0;
            for (int32_t i = 0; i < houseCount; ++i)
                if (mine(i) && rent(i, 1) >= r) ++able;
            if (able < n && (pick = cheapestListed(false, [&](int32_t i) { return rent(i, 1) >= r; })) >= 0)
                return {Act::kBuy, pick};
        }
        bool renovating = false;
        for (int32_t i = 0; i < houseCount; ++i) renovating = renovating || (mine(i) && hs(i).renoKind == 2);
        if (unmet(kGoalRenos) && !renovating) {
            // Only a house below three stars can be renovated completely.
            const int32_t i = pickOwned([](int32_t a, int32_t b) {
                const bool aCan = hs(a).level + 1 < 4, bCan = hs(b).level + 1 < 4;
                return aCan != bCan ? aCan : renovationCost(a) < renovationCost(b);
            });
            if (i >= 0 && hs(i).level + 1 < 4) {
                if (!tried(Act::kRenovate, i) && cash() - renovationCost(i) >= reserve(false))
                    return {Act::kRenovate, i};
            } else if ((pick = cheapestListed(false, [](int32_t k) { return hs(k).level + 1 < 4; })) >= 0) {
                return {Act::kBuy, pick};
            }
        }
        if (unmet(kGoalPropertiesOfCondition)) {
            const int32_t c = g.goals[kGoalPropertiesOfCondition].threshold;
            int32_t atClass = 0, coming = 0;
            for (int32_t i = 0; i < houseCount; ++i) {
                if (!mine(i)) continue;
                if (hs(i).level >= c)
                    ++atClass;
                else if (working(i))
                    ++coming;
            }
            if (atClass + coming < n) {
                if (owned() < n) {
                    if ((pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};
                } else {
                    const int32_t i = pickOwned([&](int32_t a, int32_t b) {
                        const bool aBelow = hs(a).level < c, bBelow = hs(b).level < c;
                        if (aBelow != bBelow) return aBelow;
                        return hs(a).level != hs(b).level ? hs(a).level > hs(b).level
                                                          : upgradeCostOf(a) < upgradeCostOf(b);
                    });
                    if (i >= 0 && hs(i).level < c && !tried(Act::kUpgrade, i) &&
                        cash() - upgradeCostOf(i) >= reserve(false))
                        return {Act::kUpgrade, i};
                }
            }
        }
        if (unmet(kGoalRentersOfHistory)) {
            // Good tenants stay where the house is as good as their record: the houses come up to
            // the class first, and the applicants drawn for them are better too.
            const int32_t c = g.goals[kGoalRentersOfHistory].threshold;
            if (owned() < n && (pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};
            const int32_t i =
                pickOwned([](int32_t a, int32_t b) { return upgradeCostOf(a) < upgradeCostOf(b); });
            if (i >= 0 && hs(i).level < c && !tried(Act::kUpgrade, i) &&
                cash() - upgradeCostOf(i) >= reserve(false))
                return {Act::kUpgrade, i};
        }
        if (unmet(kGoalNumRenters) && owned() < g.goals[kGoalNumRenters].required &&
            (pick = cheapestListed(false, any)) >= 0)
            return {Act::kBuy, pick};
        if (unmet(kGoalUpgrades)) {
            int32_t underWay = 0;
            for (int32_t i = 0; i < houseCount; ++i)
                if (mine(i) && hs(i).renoKind != 0) ++underWay;
            if (g.goals[kGoalUpgrades].figure + underWay < g.goals[kGoalUpgrades].required) {
                const Plan p = upgradeFor(false, true);
                if (p.act != Act::kNone) return p;
                if (owned() == 0 && (pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};
            }
        }

        // Rents: an unhappy renter pays less; where rent counts, a renter pays more while he would
        // stay happy (neutral, for a rent goal).
        const bool rentGoal = unmet(kGoalCombinedRent) || unmet(kGoalPropertiesOfRent);
        const bool rentCounts = rentGoal || !goalsOn || unmet(kGoalMinEquity) || unmet(kGoalMinCash);
        for (int32_t i = 0; i < houseCount; ++i) {
            if (!mine(i) || !hs(i).hasRenter || hs(i).evicting) continue;
            const HouseState& h = hs(i);
            if (h.renterMood == 2 && h.rentLevel > 0 && !tried(Act::kRentDown, i)) return {Act::kRentDown, i};
            if (rentCounts && h.rentLevel < 2 && moodFor(i, h.level, h.rentLevel + 1) <= (rentGoal ? 1 : 0) &&
                !tried(Act::kRentUp, i))
                return {Act::kRentUp, i};
        }

        // Combined rent: upgrades first (a level adds a quarter to the rent for 6% of the value),
        // then more houses, until the houses could carry the goal with a tenth to spare.
        if (unmet(kGoalCombinedRent)) {
            int32_t potential = 0;
            for (int32_t i = 0; i < houseCount; ++i)
                if (mine(i)) potential += rent(i, 1);
            const int32_t goal = g.goals[kGoalCombinedRent].threshold;
            if (potential < goal + goal / 10) {
                const Plan p = upgradeFor(false);
                if (p.act != Act::kNone) return p;
                if ((pick = cheapestListed(false, any)) >= 0) return {Act::kBuy, pick};
            }
        }

        // Investing: better houses and more of them, unless a cash goal or a sale is still to come.
        const bool invest = !goalsOn || unmet(kGoalMinEquity);
        if (invest && !unmet(kGoalSales)) {
            const Plan p = upgradeFor(true);
            if (p.act != Act::kNone) return p;
            if (owned() < kMostInvestedHouses && (pick = cheapestListed(true, any)) >= 0)
                return {Act::kBuy, pick};
        }
        return {};
    }

    void board() {
        if (houseInFlight() >= 0) {
            driveFrames(1);
            return;
        }
        if (pause_ > 0) {
            --pause_;
            driveFrames(1);
            return;
        }
        pause_ = int32_t(rng_() % 3);
        const Plan p = decide();
        if (p.act == Act::kNone) {
            if (!hurryMonth && !levelOver) {
                pressTag(kEndMonthTag);
            } else {
                driveFrames(1);
            }
            return;
        }
        tried_[{int(p.act), p.house}] = frameCount;
        trace("act", int32_t(p.act), p.house);
        if (!selectHouse(p.house)) return;
        const HouseState& h = hs(p.house);
        int32_t slot = 0;
        switch (p.act) {
        case Act::kBuy:
            slot = 0; // "makeOffer"
            break;
        case Act::kUpgrade:
        case Act::kRenovate:
            slot = 0; // "upgrade"
            break;
        case Act::kRentUp:
        case Act::kRentDown:
            slot = h.forSale ? 2 : 1; // "changeRent" (after "changeListing" on a listed house)
            break;
        case Act::kSell:
            slot = 2; // "sell"
            break;
        case Act::kNone:
            return;
        }
        pendingWork_ = p.act;
        press(kPanelX, kPanelY[slot]);
        driveFrames(1);
    }

    std::string scenario_;
    int32_t difficulty_;
    int32_t onlyLevel_;
    std::mt19937 rng_;
    bool started_ = false;
    bool jumped_ = false;
    bool finished_ = false;
    std::string error_;
    int32_t pause_ = 0;
    int32_t lastTraced_ = -1;
    Act pendingWork_ = Act::kNone;
    std::map<std::pair<int, int32_t>, int64_t> tried_;
    std::vector<LevelResult> results_;
};

int usage() {
    std::fprintf(stderr, "usage: bvbot SCENARIO [--difficulty easy|normal|hard|0..2] [--level N] [--seed S] "
                         "[--game DIR] [--saves DIR] [--verbose]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string game = BV_GAME_DIR;
    std::string saves;
    std::string scenarioName;
    int32_t difficulty = 1, level = 0;
    uint32_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--difficulty" && hasValue) {
            const std::string d = argv[++i];
            if (d == "easy" || d == "0")
                difficulty = 0;
            else if (d == "normal" || d == "1")
                difficulty = 1;
            else if (d == "hard" || d == "2")
                difficulty = 2;
            else
                return usage();
        } else if (a == "--level" && hasValue) {
            level = std::atoi(argv[++i]);
            if (level < 1) return usage();
        } else if (a == "--seed" && hasValue) {
            seed = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (a == "--verbose") {
            g_verbose = true;
        } else if (a == "--game" && hasValue) {
            game = argv[++i];
        } else if (a == "--saves" && hasValue) {
            saves = argv[++i];
        } else if (scenarioName.empty() && a[0] != '-') {
            scenarioName = a;
        } else {
            return usage();
        }
    }
    if (scenarioName.empty()) return usage();
    // A saves folder of its own, so that the player's saved game and options play no part.
    std::filesystem::path ownSaves;
    if (saves.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "bvbot-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::fprintf(stderr, "bvbot: cannot make a saves folder\n");
            return 2;
        }
        ownSaves = pattern;
        saves = pattern;
    }
    bv::platform::setProgramFolder(game);
    bv::platform::setUserDataFolder(saves);
    bv::platform::useHeadless();
    bv::gameInit();
    const int status = Bot(scenarioName, difficulty, level, seed).run();
    std::error_code ignored;
    if (!ownSaves.empty()) std::filesystem::remove_all(ownSaves, ignored);
    return status;
}
