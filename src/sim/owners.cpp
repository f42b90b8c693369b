#include "sim/owners.h"

#include <cstring>

#include "assets/picture_ids.h"
#include "assets/strings.h"
#include "assets/text_keys.h"
#include "core/random.h"
#include "sim/cash.h"

namespace bv {

char playerName[kPlayerNameBytes] = {};

namespace {

bool avatarTaken(int32_t avatar, int32_t upToRival) {
    if (owners[kOwnerPlayer].avatar == avatar) return true;
    for (int32_t r = kOwnerRivalFirst; r < upToRival; ++r)
        if (owners[r].avatar == avatar) return true;
    return false;
}

} // namespace

const char16_t* ownerName(int32_t owner) {
    static char16_t name[kPlayerNameBytes];
    static const char16_t kEmpty[1] = {0};
    if (owner == kOwnerPlayer) {
        // The name is 8-bit; each byte widens to one unit.
        int32_t i = 0;
        for (; i < kPlayerNameBytes - 1 && playerName[i]; ++i)
            name[i] = static_cast<char16_t>(static_cast<unsigned char>(playerName[i]));
        name[i] = 0;
        return name;
    }
    const char16_t* t = nullptr;
    if (owner == kOwnerBank) {
        t = text("bank");
    } else if (owner >= kOwnerRivalFirst && owner <= kOwnerRivalLast) {
        const int32_t avatar = owners[owner].avatar;
        if (avatar >= 0 && avatar < 10)
            t = lookupVariant("femaleNames", avatar);
        else if (avatar >= 10 && avatar < kRivalAvatars)
            t = lookupVariant("maleNames", avatar - 10);
    }
    return t ? t : kEmpty;
}

const char* ownerStyleTag(int32_t owner) {
    if (owner < kOwnerRivalFirst || owner > kOwnerRivalLast) return "";
    switch (owners[owner].style) {
    case 0:
        return "(C)";
    case 1:
        return "(N)";
    case 2:
        return "(A)";
    default:
        return "";
    }
}

void resetOwners() {
    OwnerRecord& player = owners[kOwnerPlayer];
    const int32_t avatar = player.avatar;
    const int32_t cash = player.cash;
    std::memset(owners, 0, sizeof owners);
    player.avatar = avatar;
    player.cash = cash;
    for (int32_t r = kOwnerRivalFirst; r <= kOwnerRivalLast; ++r) {
        int32_t a = 0;
        do a = static_cast<int32_t>(random(kRivalAvatars));
        while (avatarTaken(a, r));
        owners[r].avatar = a;
        owners[r].style = a % 3;
    }
    // The cleared records' cash is where the money paths go on from.
    for (int32_t o = 0; o <= kOwnerBank; ++o) setCash(o, owners[o].cash);
}

int32_t ownerAvatarIndex(int32_t owner) {
    if (owner < 0 || owner >= kOwnerCount) return pic::kCharacterBank;
    const int32_t avatar = owners[owner].avatar;
    return avatar >= 0 && avatar < pic::kCharacterBank ? avatar : 0;
}

const char16_t* ownerDisplayName(int32_t owner) {
    if (owner < kOwnerPlayer || owner >= kOwnerCount) return nullptr;
    const char16_t* name = ownerName(owner);
    return name && name[0] ? name : nullptr;
}

} // namespace bv
