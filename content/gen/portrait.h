// Portrait parts shared by the portrait files: the head's geometry, the description of a person,
// and the hair and hat layers drawn behind and over the face.
#pragma once

#include "paint.h"

namespace bv::gen::portrait {

constexpr double kCx = 64, kCy = 56, kRx = 24, kRy = 28;

enum class Hair {
    kLong,
    kBob,
    kBun,
    kPonytail,
    kAfro,
    kPixie,
    kWavy,
    kPigtails,
    kCurlsShort,
    kSidePart,
    kBald,
    kBuzz,
    kCurlyTop,
    kSlick,
    kSpiky,
    kNone
};
enum class Hat { kNone, kCap, kBeret, kTopHat, kHardHat, kCowboy };
enum class Top { kBlouse, kSuit, kSweater, kShirt, kOveralls };

struct Person {
    uint32_t skin, hair, clothes, eyes = 0x3B2A20;
    Hair style;
    Top top = Top::kBlouse;
    Hat hat = Hat::kNone;
    bool female = true, glasses = false, beard = false, moustache = false, earrings = false, necklace = false,
         bowTie = false, tie = false, freckles = false, openSmile = false, lipstick = false;
};

void hairBack(cairo_t* cr, const Person& p);
void hairFront(cairo_t* cr, const Person& p);
void hat(cairo_t* cr, const Person& p);

} // namespace bv::gen::portrait
