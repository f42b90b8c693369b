// Picture numbers of the plain sprite sets, shared by the game and by the content generator that
// draws them (content/gen). Numbers the screens use without a name in the game's rules (board
// panel, top bar, options button, rival frame, game-done picture, goal check mark, editor
// widgets) are assigned here too. Anchors are noted where a screen depends on them:
//   centre       xOffset = -w/2, yOffset = -h/2
//   top-left     offsets 0: drawn from its top-left corner
//   bottom-centre xOffset = -w/2, yOffset = -h: stands on the point it is drawn at
#pragma once

#include <cstdint>

namespace bv::pic {

// "logos": the maker's logo in four layers of one size (centre), the title logo and its badge.
constexpr int32_t kLogoMakerEmblem = 0;
constexpr int32_t kLogoMakerName = 1;
constexpr int32_t kLogoMakerSubtitle = 2;
constexpr int32_t kLogoMakerSparkle = 3;
constexpr int32_t kLogoTitle = 4; // "Brickvale", centre, ends at (400, 510)
constexpr int32_t kLogoBadge = 5; // the gold "2" badge, centre, ends at (610, 462)
constexpr int32_t kLogoCount = 6;

// "icons"
constexpr int32_t kIconForSale0 = 0; // 0..4: swinging for-sale sign frames, bottom-centre on the post
constexpr int32_t kIconForSaleFrames = 5;
constexpr int32_t kIconArrowLeft = 5; // round arrow buttons, centre
constexpr int32_t kIconArrowRight = 6;
constexpr int32_t kIconCheckClear = 7; // 22 x 22, top-left
constexpr int32_t kIconCheckSet = 8;
constexpr int32_t kIconOptionsButton = 9;  // board panel options button at (110, 475), centre
constexpr int32_t kIconAvatarBacking = 10; // round plate behind portraits, centre
constexpr int32_t kIconAvatarOverlay = 11; // gold ring drawn over the large portrait, centre
constexpr int32_t kIconArrowUp = 12;       // price control arrows, centre
constexpr int32_t kIconArrowDown = 13;
constexpr int32_t kIconStarFull = 14; // 14 x 14, centre; also the work-finished spark
constexpr int32_t kIconStarEmpty = 15;
constexpr int32_t kIconRivalFrame = 16;   // plate behind a rival's small portrait on the board, centre
constexpr int32_t kIconGoalCheck = 17;    // check mark left of a met goal, centre
constexpr int32_t kIconPointerUpper = 18; // tutorial arrows: point right, anchored on the tip
constexpr int32_t kIconPointerLower = 19;
constexpr int32_t kIconRadioOff = 20; // editor mode radio button, top-left
constexpr int32_t kIconRadioOn = 21;
constexpr int32_t kIconEditorCheckClear = 22; // editor check boxes, top-left
constexpr int32_t kIconEditorCheckSet = 23;
constexpr int32_t kIconLabelHandle = 24; // editor street-label handle, centre
constexpr int32_t kIconHouse = 25;       // small house symbol, centre
constexpr int32_t kIconFaceHappy = 26;   // renter moods, 22 x 22, centre
constexpr int32_t kIconFaceNeutral = 27;
constexpr int32_t kIconFaceUnhappy = 28;
constexpr int32_t kIconPriceReduced = 29; // floating pictures over houses, centre
constexpr int32_t kIconInfo = 30;
constexpr int32_t kIconGaugeDial = 31;   // hot spot = needle pivot (bottom middle of the dial)
constexpr int32_t kIconBrowseArrow = 32; // points left; mirrored for right, centre
constexpr int32_t kIconWorkStarted = 33;
constexpr int32_t kIconRenterLeaves = 34;
constexpr int32_t kIconRentCollected = 35;
constexpr int32_t kIconRenovation = 36;
constexpr int32_t kIconPaymentMade = 37;
constexpr int32_t kIconMovingOut = 38;
constexpr int32_t kIconCoin = 39;
constexpr int32_t kIconCalendar = 40; // 40..44 spare symbols, centre
constexpr int32_t kIconKey = 41;
constexpr int32_t kIconPadlock = 42;
constexpr int32_t kIconTrophy = 43;
constexpr int32_t kIconPiggyBank = 44;
constexpr int32_t kIconFrameBottomLeft = 45; // 45..53: the nine panel-frame pieces, top-left
constexpr int32_t kIconFrameBottom = 46;
constexpr int32_t kIconFrameBottomRight = 47;
constexpr int32_t kIconFrameLeft = 48;
constexpr int32_t kIconFrameCentre = 49;
constexpr int32_t kIconFrameRight = 50;
constexpr int32_t kIconFrameTopLeft = 51;
constexpr int32_t kIconFrameTop = 52;
constexpr int32_t kIconFrameTopRight = 53;
constexpr int32_t kIconTitlePanelBanner = 54; // title menu panel ornament, top-left
constexpr int32_t kIconButtonLeft = 55;       // 55..57: 30 px high button pieces, top-left
constexpr int32_t kIconButtonMiddle = 56;
constexpr int32_t kIconButtonRight = 57;
constexpr int32_t kIconSoldStamp = 58; // spare, centre
constexpr int32_t kIconRented = 59;    // at the house's base point, bottom-centre
constexpr int32_t kIconForRent = 60;   // bottom-centre
constexpr int32_t kIconArrears1 = 61;  // 61..63 = 60 + missed payments, centre
constexpr int32_t kIconArrears2 = 62;
constexpr int32_t kIconArrears3 = 63;
constexpr int32_t kIconCount = 64;

// "bkgnd": all top-left. Text on the panel, the top bar's plaques and the game-done card is
// meant to be dark (brown or black) on light.
constexpr int32_t kBkgndBoardPanel = 0;     // 800 x 180 at (0, 420)
constexpr int32_t kBkgndTopBar = 1;         // 800 x 84 at (0, 0), transparent below the bar
constexpr int32_t kBkgndGameDone = 2;       // 800 x 600, text card (440..745, 130..400)
constexpr int32_t kBkgndTitle = 3;          // 800 x 600
constexpr int32_t kBkgndAvatarBackdrop = 4; // set-up screen, centre, at (400, 120)
constexpr int32_t kBkgndAnnouncePlate = 5;  // purchase announcement avatar plate, top-left
constexpr int32_t kBkgndCount = 6;

// "characters": 0..9 women, 10..19 men, 20..25 further player choices, 26 the bank.
constexpr int32_t kCharacterBank = 26;
constexpr int32_t kCharacterCount = 27;
constexpr int32_t kSmallCharacterCount = 28; // entry 27 is replaced at start-up

constexpr int32_t kAudioBoxCount = 30;   // lit 0..9, dim 10..19, beyond the maximum 20..29
constexpr int32_t kSparkCount = 4;       // "part"
constexpr int32_t kNumberFontCount = 58; // "bfnt": index = character code

} // namespace bv::pic
