#include "support/test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/memory.h"
#include "core/state.h"
#include "core/state_ids.h"

namespace bvtest {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bvtest-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    path_ = buf.data();
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ensureMemory() {
    if (!bv::memInitialised()) bv::memStartup();
}

void useNamedStates() {
    static const bv::StateDef kRows[] = {
        {bv::kStateAttract, 50, nullptr, nullptr, nullptr, "kStateAttract", nullptr, {}},
        {bv::kStateInitGame, 50, nullptr, nullptr, nullptr, "kStateInitGame", nullptr, {}},
        {bv::kStateGame, 50, nullptr, nullptr, nullptr, "kStateGame", nullptr, {}},
        {bv::kStateLevelIntro, 50, nullptr, nullptr, nullptr, "kStateLevelIntro", nullptr, {}},
        {bv::kStateSetup, 50, nullptr, nullptr, nullptr, "kStateSetup", nullptr, {}},
        {bv::kStateHighScores, 0, nullptr, nullptr, nullptr, "kStateHighScores", nullptr, {}},
        {bv::kStatePortfolio, 50, nullptr, nullptr, nullptr, "kStatePortfolio", nullptr, {}},
        {bv::kStateRepairs, 50, nullptr, nullptr, nullptr, "kStateRepairs", nullptr, {}},
        {bv::kStateOptions, 50, nullptr, nullptr, nullptr, "kStateOptions", nullptr, {}},
        {bv::kStateResume, 50, nullptr, nullptr, nullptr, "kStateResume", nullptr, {}},
        {bv::kStateEnterName, 50, nullptr, nullptr, nullptr, "kStateEnterName", nullptr, {}},
        {bv::kStateForeclosure, 50, nullptr, nullptr, nullptr, "kStateForeclosure", nullptr, {}},
        {bv::kStateSimpleDialog, 50, nullptr, nullptr, nullptr, "kStateSimpleDialog", nullptr, {}},
        {bv::kStateCreditImproves, 50, nullptr, nullptr, nullptr, "kStateCreditImproves", nullptr, {}},
        {bv::kStateCreditSlips, 50, nullptr, nullptr, nullptr, "kStateCreditSlips", nullptr, {}},
        {bv::kStateMakeOffer, 50, nullptr, nullptr, nullptr, "kStateMakeOffer", nullptr, {}},
        {bv::kStateMakeOfferAgain, 50, nullptr, nullptr, nullptr, "kStateMakeOfferAgain", nullptr, {}},
        {bv::kStateAvatarMessage, 50, nullptr, nullptr, nullptr, "kStateAvatarMessage", nullptr, {}},
        {bv::kStateHouseOffer, 50, nullptr, nullptr, nullptr, "kStateHouseOffer", nullptr, {}},
        {bv::kStateEditor, 50, nullptr, nullptr, nullptr, "kStateEditor", nullptr, {}},
        {bv::kStateUpgrade, 50, nullptr, nullptr, nullptr, "kStateUpgrade", nullptr, {}},
        {bv::kStateSetRent, 50, nullptr, nullptr, nullptr, "kStateSetRent", nullptr, {}},
        {bv::kStateSetSalePrice, 50, nullptr, nullptr, nullptr, "kStateSetSalePrice", nullptr, {}},
        {bv::kStateCreditDetails, 50, nullptr, nullptr, nullptr, "kStateCreditDetails", nullptr, {}},
        {bv::kStatePlayerCounter, 50, nullptr, nullptr, nullptr, "kStatePlayerCounter", nullptr, {}},
        {bv::kStateSoldAtAsking, 50, nullptr, nullptr, nullptr, "kStateSoldAtAsking", nullptr, {}},
        {bv::kStateSellerCounter, 50, nullptr, nullptr, nullptr, "kStateSellerCounter", nullptr, {}},
        {bv::kStateRenosComplete, 50, nullptr, nullptr, nullptr, "kStateRenosComplete", nullptr, {}},
        {bv::kStateFailedLevel, 50, nullptr, nullptr, nullptr, "kStateFailedLevel", nullptr, {}},
        {bv::kStateDisplayGoals, 50, nullptr, nullptr, nullptr, "kStateDisplayGoals", nullptr, {}},
        {bv::kStateRentApplicant, 50, nullptr, nullptr, nullptr, "kStateRentApplicant", nullptr, {}},
        {bv::kStateNotEnoughCash, 50, nullptr, nullptr, nullptr, "kStateNotEnoughCash", nullptr, {}},
        {bv::kStateChangeListing, 50, nullptr, nullptr, nullptr, "kStateChangeListing", nullptr, {}},
        {bv::kStateLevelWon, 50, nullptr, nullptr, nullptr, "kStateLevelWon", nullptr, {}},
        {bv::kStateExitGame, 50, nullptr, nullptr, nullptr, "kStateExitGame", nullptr, {}},
        {bv::kStateYouWin, 50, nullptr, nullptr, nullptr, "kStateYouWin", nullptr, {}},
        {bv::kStateEndOfLevel, 50, nullptr, nullptr, nullptr, "kStateEndOfLevel", nullptr, {}},
        {bv::kStateLastChanceRepairs, 50, nullptr, nullptr, nullptr, "kStateLastChanceRepairs", nullptr, {}},
        {bv::kStateExplainTutorial, 50, nullptr, nullptr, nullptr, "kStateExplainTutorial", nullptr, {}},
    };
    bv::useStateTable(kRows, static_cast<int32_t>(sizeof kRows / sizeof kRows[0]));
}

} // namespace bvtest
