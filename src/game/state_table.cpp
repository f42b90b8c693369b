// The fixed table of game states. Ids are not consecutive; the order of rows is fixed.
// Screens register their operations here as they are built.
#include "game/state_table.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "editor/editor_state.h"
#include "levels/goals.h"
#include "levels/save.h"
#include "screens/board_notices.h"
#include "screens/high_score_screen.h"
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
    {kStateAttract,   0,  titleMenuEnter, titleMenuUpdate, nullptr, "attract",      "no_help", {}},
    {kStateInitGame,   50, enterInitGame, nullptr, nullptr, "initGame",                     "no_help", {}},
    {kStateGame,   50, enterBoard, updateGame, nullptr, "game",                      "no_help", {}},
    {kStateYouWin,  16, gameDoneEnter, gameDoneUpdate, nullptr, "you win",                      nullptr,   {}},
    {kStatePortfolio,   50, portfolioEnter, portfolioUpdate, nullptr, "view portfolio", nullptr, {}},
    {kStateOptions,  50, optionsEnter, optionsUpdate, nullptr, "in game options", nullptr, {}},
    {kStateResume,  50, nullptr, resumeGameUpdate, nullptr, "resume game",         nullptr,   {}},
    {kStateEnterName,  0,  nameEntryEnter, nameEntryUpdate, nullptr, "enter name",    nullptr,   {}},
    {kStateSimpleDialog,  50, nullptr, simpleDialogUpdate, nullptr, "simple dialog",     nullptr,   {}},
    {kStateCreditImproves,  50, enterCreditImproved, updateCreditImproved, exitCreditImproved, "dlg plyr improves credit", nullptr, {}},
    {kStateCreditSlips,  50, enterCreditSlipped, updateCreditSlipped, nullptr, "dlg plyr credit slips", nullptr, {}},
    {kStateMakeOffer,  50, enterMakeOffer, updateMakeOffer, nullptr, "make offer",      nullptr,   {}},
    {kStateMakeOfferAgain,  50, enterMakeOfferAgain, updateMakeOffer, nullptr, "make offer re-enter", nullptr, {}},
    {kStateHouseMessage,  50, houseMessageEnter, simpleDialogUpdate, nullptr, "house message", nullptr, {}},
    {kStateAvatarMessage,  50, avatarMessageEnter, avatarMessageUpdate, nullptr, "avtr response dlg", nullptr, {}},
    {kStateHouseOffer,  50, enterHouseOffer, updateHouseOffer, nullptr, "house offer",   nullptr,   {}},
    {kStatePlayerCounter,  50, enterPlayerCounter, updatePlayerCounter, nullptr, "plyr counter offer", nullptr, {}},
    {kStateEditor,  50, editorEnter, editorUpdate, editorExit, "Editor",            nullptr,   {}},
    {kStateUpgrade,  50, upgradeEnter, upgradeUpdate, nullptr, "upgrade house",                nullptr,   {}},
    {kStateSetRent,  50, enterSetRent, updateSetRent, nullptr, "set rent",            nullptr,   {}},
    {kStateSetSalePrice,  50, enterSetSalePrice, updateSetSalePrice, nullptr, "Set sale price dlg", nullptr, {}},
    {kStateCreditDetails,  50, enterCreditDetails, updateCreditDetails, nullptr, "Plyer credit dlg", nullptr, {}},
    {kStateSoldAtAsking,  50, enterSoldAtAsking, updateSoldAtAsking, nullptr, "dlg sold at asking price", nullptr, {}},
    {kStateSellerCounter,  50, enterSellerCounter, updateSellerCounter, nullptr, "dlg AI counter offer", nullptr, {}},
    {kStateRenosComplete,  50, renosCompleteEnter, renosCompleteUpdate, nullptr, "state renos complete",         nullptr,   {}},
    {kStateSetup,   0,  gameSetupEnter, gameSetupUpdate, nullptr, "select avatar, game setup", nullptr, {}},
    {kStateFailedLevel,  50, failedLevelEnter, failedLevelUpdate, nullptr, "failed level",                 nullptr,   {}},
    {kStateLevelIntro,   50, levelIntroEnter, nullptr, nullptr, "level intro",                  nullptr,   {}},
    {kStateDisplayGoals,  50, goalsScreenEnter, goalsScreenUpdate, nullptr, "display goals",                nullptr,   {}},
    {kStateRentApplicant,  50, enterRentApplicant, updateRentApplicant, nullptr, "Rent applicant", nullptr, {}},
    {kStateNotEnoughCash,  50, enterNotEnoughCash, updateNotEnoughCash, nullptr, "not enough to make bid", nullptr, {}},
    {kStateRepairs,  50, repairsEnter, repairsUpdate, nullptr, "repairs dlg",                  nullptr,   {}},
    {kStateChangeListing,  50, enterChangeListing, updateChangeListing, nullptr, "change listing dlg", nullptr, {}},
    {kStateLevelWon,  50, levelWonEnter, levelWonUpdate, nullptr, "level won",                    nullptr,   {}},
    {kStateExitGame,  50, exitGameEnter, exitGameUpdate, nullptr, "main menu from game", nullptr, {}},
    {kStateForeclosure,  50, enterForeclosureDialog, updateForeclosureDialog, nullptr, "foreclosure dialog", nullptr, {}},
    {kStateEndOfLevel,  50, endOfLevelEnter, endOfLevelUpdate, nullptr, "end of level dlg",             nullptr,   {}},
    {kStateLastChanceRepairs,  50, lastChanceEnter, lastChanceUpdate, nullptr, "last chance repairs dlg",      nullptr,   {}},
    {kStateExplainTutorial,  50, nullptr, explainTutorialUpdate, nullptr, "explain tutorial",             nullptr,   {}},
    {kStateHighScores,  0,  highScoresEnter, highScoresUpdate, nullptr, "high scores",                 nullptr,   {}},
};
// clang-format on

int32_t stateCount() {
    return static_cast<int32_t>(sizeof kStateTable / sizeof kStateTable[0]);
}

} // namespace bv
