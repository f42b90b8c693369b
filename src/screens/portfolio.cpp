// The portfolio (state 9): one investor's cash, net worth and houses, with arrows to page through
// the houses one picture at a time. The board's rival buttons, a clickable portrait and the
// player's own portfolio command open it with (owner << 8) | house index.
#include "sim/portfolio.h"
#include "assets/picture_ids.h"
#include "assets/sprites.h"
#include "assets/strings.h"
#include "audio/sound.h"
#include "core/state.h"
#include "core/state_ids.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "screens/screens.h"
#include "screens/town_view.h"
#include "sim/cash.h"
#include "sim/credit.h"
#include "sim/game_update.h"
#include "sim/houses.h"
#include "sim/owner.h"
#include "sim/owners.h"
#include "sim/sim_settings.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/money.h"
#include "ui/widgets.h"

namespace bv {

namespace {

constexpr int32_t kSoundBrowse = 20;            // "generic_ui_10b.wav"
constexpr int32_t kLastOwner = kOwnerRivalLast; // the bank has no portfolio to show
// The house card's two text lines end about 180 pixels below its top; the arrows sit under them,
// clear of the "ok" button.
constexpr int32_t kCardX = 525, kCardY = 150;
constexpr int32_t kArrowY = 358;

int32_t g_owner = 0;
int32_t g_houseIndex = 0;

// The shown owner wraps round the player and the rivals; the house index wraps round the owner's
// houses. Indexes arrive from the state argument and the arrows, so both are held here every
// frame before anything is looked up with them.
void wrapIndexes() {
    if (g_owner < 0) g_owner = kLastOwner;
    if (g_owner > kLastOwner) g_owner = kOwnerPlayer;
    const int32_t n = housesOwnedBy(g_owner);
    if (n > 0) {
        if (g_houseIndex >= n) g_houseIndex = 0;
        if (g_houseIndex < 0) g_houseIndex = n - 1;
    }
}

void browseClicked(int32_t, int32_t, int32_t step) {
    g_houseIndex += step;
    wrapIndexes();
    playSound(kSoundBrowse, 5);
}

void houseBrowser(int32_t count) {
    if (count <= 0) return;
    drawHouseCard(nthHouseOf(g_owner, g_houseIndex), kCardX, kCardY);
    if (count < 2) return;
    const Sprite* arrow = spriteAt(iconSprites, pic::kIconBrowseArrow);
    spriteButton(kCardX - 20, kArrowY, arrow, -1, browseClicked, false, false);
    spriteButton(kCardX + 20, kArrowY, arrow, 1, browseClicked, true, false);
}

} // namespace

int32_t portfolioOwner() {
    return g_owner;
}

int32_t portfolioHouseIndex() {
    return g_houseIndex;
}

int32_t portfolioHouse() {
    return housesOwnedBy(g_owner) > 0 ? nthHouseOf(g_owner, g_houseIndex) : -1;
}

int32_t portfolioEnter(int32_t, int32_t, int32_t argument) {
    // An arithmetic shift: a negative argument names an owner below 0, which wraps to the last.
    g_owner = argument >> 8;
    g_houseIndex = argument & 255;
    openDialogAtMouse();
    return 0;
}

int32_t portfolioUpdate(int32_t) {
    wrapIndexes();
    if (!dialogFrame(150, 60, 500, 380)) return 0;
    pushFont(&fontArial20Brown);
    printKey(400, 110, true, 0, "portfolio");
    setFont(&fontArial15Brown);
    avatarPicture(250, 160, g_owner, kAvatarSmall, false);
    drawText(250, 200, true, 0, ownerName(g_owner));

    const int32_t count = housesOwnedBy(g_owner);
    printKey(200, 290, false, 0, "cash", moneyStr(cashOf(g_owner)));
    printKey(200, 310, false, 0, "netWorth", moneyStr(netWorth(g_owner)));
    printKey(200, 330, false, 0, "propertiesOwned", count);
    popFont();

    // The board's gauge stands under the backdrop at the same place; drawn again it is clickable,
    // so the credit details are one click away from a portfolio too.
    drawBoardCreditGauge();
    houseBrowser(count);
    button(400, 400, 150, 30, text("ok"), kStateGame, goStateClick);
    return 0;
}

} // namespace bv
