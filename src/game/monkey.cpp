#include "game/monkey.h"

#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "core/clock.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor.h"
#include "game/game.h"
#include "platform/platform.h"
#include "sim/cash.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "ui/hotspots.h"
#include "world/map.h"
#include "world/map_layers.h"
#include "world/scenario.h"

namespace bv {

namespace {

using platform::Event;

// Keys the game or the editor reacts to: arrows, Shift, Enter, Home, End, letters, Space, Escape,
// Insert, Ctrl, Delete, F2..F9, digits, Backspace, Tab.
const int32_t kKeys[] = {37,  38,  39,  40,  16,  13,  36,  35,  'B', 'C', 'D', 'E', 'F',
                         'I', 'L', 'R', 'T', 'U', 'V', 32,  27,  45,  17,  46,  113, 114,
                         115, 116, 117, 118, 119, 120, '0', '5', '9', 8,   9};

void push(Event::Type type, int32_t x = 0, int32_t y = 0, int32_t key = 0, char16_t ch = 0,
          bool alt = false) {
    Event e;
    e.type = type;
    e.x = x;
    e.y = y;
    e.key = key;
    e.ch = ch;
    e.alt = alt;
    platform::headless::pushEvent(e);
}

class Monkey {
  public:
    Monkey(uint32_t seed) : seed_(seed), rng_(seed) {}

    MonkeyResult run(int64_t frames) {
        MonkeyResult result;
        remember();
        for (frame_ = 0; frame_ < frames; ++frame_) {
            act();
            runFrame();
            if (exitGame) {
                // The game ended (a quit): back to the title menu, and on.
                exitGame = 0;
                changeState(kStateAttract);
                ++result.restarts;
            }
            visited_.insert(currentStateId());
            if (!check()) {
                result.ok = false;
                result.frame = frame_;
                result.message = report_;
                return result;
            }
            remember();
        }
        result.statesVisited = int32_t(visited_.size());
        return result;
    }

  private:
    int32_t below(int32_t n) { return int32_t(rng_() % uint32_t(n)); }

    // This frame's input. A drag holds the button over several frames, moving a little each one.
    void act() {
        if (dragFrames_ > 0) {
            dragX_ += below(21) - 10;
            dragY_ += below(21) - 10;
            push(Event::MouseMove, dragX_, dragY_);
            if (--dragFrames_ == 0) push(Event::LeftUp, dragX_, dragY_);
            return;
        }
        if (pendingUp_ != Event::None) {
            push(pendingUp_, upX_, upY_, upKey_);
            pendingUp_ = Event::None;
            return;
        }
        const int32_t roll = below(1000);
        int32_t x = below(platform::kScreenW), y = below(platform::kScreenH);
        // Most clicks go to a button or hot spot of the last frame, so that the play gets somewhere.
        if (roll < 340 && hotSpotCount() > 0 && below(10) < 7) {
            const HotSpot* h = hotSpotByIndex(below(hotSpotCount()));
            if (h && h->width > 0 && h->height > 0) {
                x = h->left + below(h->width);
                y = h->top + below(h->height);
            }
        }
        if (roll < 300) {
            push(Event::MouseMove, x, y);
            push(Event::LeftDown, x, y);
            later(Event::LeftUp, x, y);
        } else if (roll < 340) {
            push(Event::MouseMove, x, y);
            push(Event::RightDown, x, y);
            later(Event::RightUp, x, y);
        } else if (roll < 400) {
            dragX_ = x;
            dragY_ = y;
            dragFrames_ = 2 + below(12);
            push(Event::MouseMove, x, y);
            push(Event::LeftDown, x, y);
        } else if (roll < 500) {
            const int32_t key = kKeys[below(int32_t(std::size(kKeys)))];
            push(Event::KeyDown, 0, 0, key);
            if (key == 8 || key == 9 || key == 13 || key == 27) push(Event::Char, 0, 0, 0, char16_t(key));
            later(Event::KeyUp, 0, 0, key);
        } else if (roll < 540) {
            push(Event::Char, 0, 0, 0, char16_t(' ' + below(95)));
        } else if (roll < 543) {
            push(Event::KeyDown, 0, 0, 13, 0, true); // Alt+Enter: full screen and back
            later(Event::KeyUp, 0, 0, 13);
        } else if (roll < 544) {
            push(Event::Close);
        } else if (roll < 700) {
            push(Event::MouseMove, x, y);
        }
    }

    void later(Event::Type type, int32_t x, int32_t y, int32_t key = 0) {
        pendingUp_ = type;
        upX_ = x;
        upY_ = y;
        upKey_ = key;
    }

    // The house records as the frame found them. A map loaded since (a new level, a resumed game)
    // brings records of its own, which are compared from the next frame on.
    void remember() {
        before_.assign(houseStates, houseStates + (houseStates ? houseCount : 0));
        beforeRecords_ = houseStates;
        beforeState_ = currentStateId();
    }

    bool fail(const std::string& what) {
        std::ostringstream out;
        out << "seed " << seed_ << " frame " << frame_ << " (state " << beforeState_ << " -> "
            << currentStateId() << "): " << what;
        report_ = out.str();
        return false;
    }

    static bool inRange(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

    bool check() {
        if (houseCount < 0 || (houseCount > 0 && !houseStates))
            return fail("no house records for the houses");
        if (!inRange(selectedHouse, -1, houseCount - 1))
            return fail("selected house " + std::to_string(selectedHouse));
        if (!inRange(currentLevel, 0, kMaxLevels - 1)) return fail("level " + std::to_string(currentLevel));
        if (!inRange(currentDifficulty, 0, kDifficultyCount - 1))
            return fail("difficulty " + std::to_string(currentDifficulty));
        if (!findState(currentStateId())) return fail("no such state " + std::to_string(currentStateId()));
        if (queuedCount() < 0 || queuedCount() > kQueueCapacity)
            return fail("dialog queue of " + std::to_string(queuedCount()));
        for (int32_t q = 0; q < queuedCount(); ++q) {
            int32_t id = 0, argument = 0;
            if (!queuedPair(q, id, argument) || !findState(id))
                return fail("queued state " + std::to_string(id));
        }
        if (currentStateId() == kStateEditor && !editorSelectionsExist()) return false;
        for (int32_t o = 0; o <= kOwnerBank; ++o)
            if (!cashOnTheBooks(o))
                return fail("owner " + std::to_string(o) + "'s cash " + std::to_string(cashOf(o)) +
                            " changed outside the money paths");
        const bool sameTown = beforeRecords_ == houseStates && int32_t(before_.size()) == houseCount;
        for (int32_t i = 0; i < houseCount; ++i)
            if (!checkHouse(i, houseStates[i], sameTown ? &before_[size_t(i)] : nullptr)) return false;
        return true;
    }

    bool editorSelectionsExist() {
        if (!inRange(editor.selectedHouse, -1, houseCount > 0 ? houseCount - 1 : 0))
            return fail("editor's selected house " + std::to_string(editor.selectedHouse));
        if (!inRange(editor.selectedLabel, -1, labelCount > 0 ? labelCount - 1 : 0))
            return fail("editor's selected label " + std::to_string(editor.selectedLabel));
        for (const ObjectLayer* layer : {&backgroundObjects, &foregroundObjects})
            if (!inRange(layer->selected, 0, layer->count > 0 ? layer->count - 1 : 0))
                return fail("editor's selected object " + std::to_string(layer->selected));
        return true;
    }

    bool checkHouse(int32_t i, const HouseState& h, const HouseState* was) {
        const std::string house = "house " + std::to_string(i) + ": ";
        if (!inRange(h.owner, kOwnerPlayer, kOwnerBank))
            return fail(house + "owner " + std::to_string(h.owner));
        if (!inRange(h.level, -1, 4)) return fail(house + "level " + std::to_string(h.level));
        if (!inRange(h.rentLevel, 0, 2)) return fail(house + "rent level " + std::to_string(h.rentLevel));
        if (!inRange(h.renterHistory, 0, 4))
            return fail(house + "renter history " + std::to_string(h.renterHistory));
        if (!inRange(h.renoKind, 0, 2)) return fail(house + "work kind " + std::to_string(h.renoKind));
        if (h.evicting && h.renoKind != 2)
            return fail(house + "a renter is evicted without a complete renovation");
        if (h.renoKind != 0 && isQueued(kStateRentApplicant, i))
            return fail(house + "an applicant waits during work");
        if (!was || was->owner != h.owner) return true;
        // Clearing the fields (a new level or game) is no charge; any other change is.
        auto charged = [](int32_t now, int32_t before) { return now != before && now != 0; };
        if (h.owner == kOwnerBank &&
            (charged(h.mtgPrincipal, was->mtgPrincipal) || charged(h.mtgPayment, was->mtgPayment) ||
             charged(h.monthsInArrears, was->monthsInArrears)))
            return fail(house + "the bank's house was charged its mortgage (principal " +
                        std::to_string(was->mtgPrincipal) + " -> " + std::to_string(h.mtgPrincipal) +
                        ", payment " + std::to_string(was->mtgPayment) + " -> " +
                        std::to_string(h.mtgPayment) + ", months in arrears " +
                        std::to_string(was->monthsInArrears) + " -> " + std::to_string(h.monthsInArrears) +
                        ")");
        if (h.renoKind != 0 && was->renoKind != 0 &&
            (h.applicantProgress > was->applicantProgress || h.wear > was->wear))
            return fail(house + "applicants or wear grow during work");
        if (was->hasRenter && !h.hasRenter && (h.wear != 0.0f || h.damagePending))
            return fail(house + "the renter left wear or damage behind");
        return true;
    }

    uint32_t seed_;
    std::mt19937 rng_;
    int64_t frame_ = 0;
    std::vector<HouseState> before_;
    const HouseState* beforeRecords_ = nullptr;
    int32_t beforeState_ = 0;
    std::set<int32_t> visited_;
    std::string report_;
    Event::Type pendingUp_ = Event::None;
    int32_t upX_ = 0, upY_ = 0, upKey_ = 0;
    int32_t dragFrames_ = 0, dragX_ = 0, dragY_ = 0;
};

} // namespace

MonkeyResult runMonkey(uint32_t seed, int64_t frames) {
    return Monkey(seed).run(frames);
}

} // namespace bv
