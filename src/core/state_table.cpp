// The fixed table of game states. Ids are not consecutive; the order of rows is fixed.
// Screens register their operations here as they are built.
#include "core/state.h"
#include "editor/editor_state.h"
#include "levels/goals.h"
#include "levels/save.h"
#include "screens/level_screens.h"
#include "screens/market_dialogs.h"
#include "screens/screens.h"
#include "screens/town_view.h"
#include "sim/game_update.h"
#include "ui/dialog.h"

namespace bv {

// clang-format off
const StateDef kStateTable[] = {
    // id  music  enter    update   exit     name                           help tag
    {0,   0,  titleMenuEnter, titleMenuUpdate, nullptr, "attract",      "no_help", {}},
    {1,   50, enterInitGame, nullptr, nullptr, "initGame",                     "no_help", {}},
    {2,   50, enterBoard, updateGame, nullptr, "game",                      "no_help", {}},
    {60,  16, gameDoneEnter, gameDoneUpdate, nullptr, "you win",                      nullptr,   {}},
    {9,   50, portfolioEnter, portfolioUpdate, nullptr, "view portfolio", nullptr, {}},
    {16,  50, optionsEnter, optionsUpdate, nullptr, "in game options", nullptr, {}},
    {22,  50, nullptr, resumeGameUpdate, nullptr, "resume game",         nullptr,   {}},
    {23,  0,  nameEntryEnter, nameEntryUpdate, nullptr, "enter name",    nullptr,   {}},
    {27,  50, nullptr, simpleDialogUpdate, nullptr, "simple dialog",     nullptr,   {}},
    {29,  50, enterCreditImproved, updateCreditImproved, exitCreditImproved, "dlg plyr improves credit", nullptr, {}},
    {30,  50, enterCreditSlipped, updateCreditSlipped, nullptr, "dlg plyr credit slips", nullptr, {}},
    {33,  50, enterMakeOffer, updateMakeOffer, nullptr, "make offer",      nullptr,   {}},
    {34,  50, enterMakeOfferAgain, updateMakeOffer, nullptr, "make offer re-enter", nullptr, {}},
    {35,  50, avatarMessageEnter, avatarMessageUpdate, nullptr, "avtr response dlg", nullptr, {}},
    {38,  50, enterHouseOffer, updateHouseOffer, nullptr, "house offer",   nullptr,   {}},
    {49,  50, enterPlayerCounter, updatePlayerCounter, nullptr, "plyr counter offer", nullptr, {}},
    {44,  50, editorEnter, editorUpdate, editorExit, "Editor",            nullptr,   {}},
    {45,  50, upgradeEnter, upgradeUpdate, nullptr, "upgrade house",                nullptr,   {}},
    {46,  50, enterSetRent, updateSetRent, nullptr, "set rent",            nullptr,   {}},
    {47,  50, enterSetSalePrice, updateSetSalePrice, nullptr, "Set sale price dlg", nullptr, {}},
    {48,  50, enterCreditDetails, updateCreditDetails, nullptr, "Plyer credit dlg", nullptr, {}},
    {50,  50, enterSoldAtAsking, updateSoldAtAsking, nullptr, "dlg sold at asking price", nullptr, {}},
    {51,  50, enterSellerCounter, updateSellerCounter, nullptr, "dlg AI counter offer", nullptr, {}},
    {52,  50, renosCompleteEnter, renosCompleteUpdate, nullptr, "state renos complete",         nullptr,   {}},
    {4,   0,  gameSetupEnter, gameSetupUpdate, nullptr, "select avatar, game setup", nullptr, {}},
    {53,  50, failedLevelEnter, failedLevelUpdate, nullptr, "failed level",                 nullptr,   {}},
    {3,   50, levelIntroEnter, nullptr, nullptr, "level intro",                  nullptr,   {}},
    {54,  50, goalsScreenEnter, goalsScreenUpdate, nullptr, "display goals",                nullptr,   {}},
    {55,  50, enterRentApplicant, updateRentApplicant, nullptr, "Rent applicant", nullptr, {}},
    {56,  50, enterNotEnoughCash, updateNotEnoughCash, nullptr, "not enough to make bid", nullptr, {}},
    {15,  50, repairsEnter, repairsUpdate, nullptr, "repairs dlg",                  nullptr,   {}},
    {57,  50, enterChangeListing, updateChangeListing, nullptr, "change listing dlg", nullptr, {}},
    {58,  50, levelWonEnter, levelWonUpdate, nullptr, "level won",                    nullptr,   {}},
    {59,  50, exitGameEnter, exitGameUpdate, nullptr, "main menu from game", nullptr, {}},
    {24,  50, enterForeclosureDialog, updateForeclosureDialog, nullptr, "foreclosure dialog", nullptr, {}},
    {61,  50, endOfLevelEnter, endOfLevelUpdate, nullptr, "end of level dlg",             nullptr,   {}},
    {62,  50, lastChanceEnter, lastChanceUpdate, nullptr, "last chance repairs dlg",      nullptr,   {}},
    {63,  50, nullptr, explainTutorialUpdate, nullptr, "explain tutorial",             nullptr,   {}},
};
// clang-format on

int32_t stateCount() {
    return static_cast<int32_t>(sizeof kStateTable / sizeof kStateTable[0]);
}

} // namespace bv
