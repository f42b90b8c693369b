// The fixed table of game states. Ids are not consecutive; the order of rows is fixed.
// Screens register their operations here as they are built.
#include "core/state.h"

namespace bv {

// clang-format off
const StateDef kStateTable[] = {
    // id  music  enter    update   exit     name                           help tag
    {0,   0,  nullptr, nullptr, nullptr, "attract",                      "no_help", {}},
    {1,   50, nullptr, nullptr, nullptr, "initGame",                     "no_help", {}},
    {2,   50, nullptr, nullptr, nullptr, "game",                         "no_help", {}},
    {60,  16, nullptr, nullptr, nullptr, "you win",                      nullptr,   {}},
    {9,   50, nullptr, nullptr, nullptr, "view portfolio",               nullptr,   {}},
    {16,  50, nullptr, nullptr, nullptr, "in game options",              nullptr,   {}},
    {22,  50, nullptr, nullptr, nullptr, "resume game",                  nullptr,   {}},
    {23,  0,  nullptr, nullptr, nullptr, "enter name",                   nullptr,   {}},
    {27,  50, nullptr, nullptr, nullptr, "simple dialog",                nullptr,   {}},
    {29,  50, nullptr, nullptr, nullptr, "dlg plyr improves credit",     nullptr,   {}},
    {30,  50, nullptr, nullptr, nullptr, "dlg plyr credit slips",        nullptr,   {}},
    {33,  50, nullptr, nullptr, nullptr, "make offer",                   nullptr,   {}},
    {34,  50, nullptr, nullptr, nullptr, "make offer re-enter",          nullptr,   {}},
    {35,  50, nullptr, nullptr, nullptr, "avtr response dlg",            nullptr,   {}},
    {38,  50, nullptr, nullptr, nullptr, "house offer",                  nullptr,   {}},
    {49,  50, nullptr, nullptr, nullptr, "plyr counter offer",           nullptr,   {}},
    {44,  50, nullptr, nullptr, nullptr, "Editor",                       nullptr,   {}},
    {45,  50, nullptr, nullptr, nullptr, "upgrade house",                nullptr,   {}},
    {46,  50, nullptr, nullptr, nullptr, "set rent",                     nullptr,   {}},
    {47,  50, nullptr, nullptr, nullptr, "Set sale price dlg",           nullptr,   {}},
    {48,  50, nullptr, nullptr, nullptr, "Plyer credit dlg",             nullptr,   {}},
    {50,  50, nullptr, nullptr, nullptr, "dlg sold at asking price",     nullptr,   {}},
    {51,  50, nullptr, nullptr, nullptr, "dlg AI counter offer",         nullptr,   {}},
    {52,  50, nullptr, nullptr, nullptr, "state renos complete",         nullptr,   {}},
    {4,   0,  nullptr, nullptr, nullptr, "select avatar, game setup",    nullptr,   {}},
    {53,  50, nullptr, nullptr, nullptr, "failed level",                 nullptr,   {}},
    {3,   50, nullptr, nullptr, nullptr, "level intro",                  nullptr,   {}},
    {54,  50, nullptr, nullptr, nullptr, "display goals",                nullptr,   {}},
    {55,  50, nullptr, nullptr, nullptr, "Rent applicant",               nullptr,   {}},
    {56,  50, nullptr, nullptr, nullptr, "not enough to make bid",       nullptr,   {}},
    {15,  50, nullptr, nullptr, nullptr, "repairs dlg",                  nullptr,   {}},
    {57,  50, nullptr, nullptr, nullptr, "change listing dlg",           nullptr,   {}},
    {58,  50, nullptr, nullptr, nullptr, "level won",                    nullptr,   {}},
    {59,  50, nullptr, nullptr, nullptr, "main menu from game",          nullptr,   {}},
    {24,  50, nullptr, nullptr, nullptr, "foreclosure dialog",           nullptr,   {}},
    {61,  50, nullptr, nullptr, nullptr, "end of level dlg",             nullptr,   {}},
    {62,  50, nullptr, nullptr, nullptr, "last chance repairs dlg",      nullptr,   {}},
    {63,  50, nullptr, nullptr, nullptr, "explain tutorial",             nullptr,   {}},
};
// clang-format on

int32_t stateCount() {
    return static_cast<int32_t>(sizeof kStateTable / sizeof kStateTable[0]);
}

} // namespace bv
