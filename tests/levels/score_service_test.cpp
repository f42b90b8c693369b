// The online score service: requests built and replies read as worked out by hand, then the whole
// client against a real bvscored, and against servers that misbehave.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <tuple>

#include "levels/score_service.h"
#include "save_fixture.h"
#include "support/score_server.h"

namespace bvtest {
namespace {

using namespace bv;

TEST(ScoreService, RequestsRepliesAndSettingsReadAsWorkedByHand) {
    // clang-format off
    const std::pair<std::string, std::string> paths[] = {
        {registerRequestPath("", "A b\r\nc", "p&ss=1", -5), "/code/hs/reg1.php?email=&game_name=A%20b%0D%0Ac&password=p%26ss%3D1&machine_ID=-5"},
        {registerRequestPath("ann@x.org", "Zo\xEB", "a~b_c.d-e", 7), "/code/hs/reg1.php?email=ann%40x.org&game_name=Zo%EB&password=a~b_c.d-e&machine_ID=7"},
        {submitRequestPath("Ann", "secret1", 4000000000u, INT32_MIN, 2), "/code/hs/hs1_8.php?game_name=Ann&password=secret1&score=4000000000&machine_id=-2147483648&length=2"},
        {submitRequestPath("x y", "pw+pw/1", 0, 0, 5), "/code/hs/hs1_8.php?game_name=x%20y&password=pw%2Bpw%2F1&score=0&machine_id=0"},
        {submitRequestPath("x", "secret", 9, 1, -1), "/code/hs/hs1_8.php?game_name=x&password=secret&score=9&machine_id=1"},
    };
    // clang-format on
    for (const auto& [got, want] : paths) EXPECT_EQ(got, want);

    struct Reply {
        std::string bytes;
        size_t size; // bytes read of it
        bool ended;
        int32_t code, result;
    };
    const std::string spaces11(11, ' '), xs15(15, 'x');
    const std::vector<Reply> replies = {
        {"GID:1\nDone\n", 11, true, 1, 1},
        {"<html>GID:3</html>Done", 22, true, 3, 2},
        {"GID:5 Done", 10, true, 5, 3},
        {"GID:7\nDone\n", 11, true, 7, 0},
        {"Done", 4, true, 0, 0},
        {"GID:Done", 8, true, 0, 0},
        {"GID:-1 Done", 11, true, 0, 0},
        {"GID:1234567890Done", 18, true, 0, 0},     // too many digits for a code
        {"GID:1\nDone" + spaces11, 21, true, 1, 1}, // "Done" 15 bytes from the end
        {"GID:1\nDone" + spaces11 + " ", 22, false, 0, 0},
        {"GID:1" + xs15 + "Done", 24, true, 1, 1}, // "GID:" 20 bytes before "Done"
        {"GID:1" + xs15 + "xDone", 25, true, 0, 0},
        {"GID:1Done", 8, false, 0, 0}, // cut before the marker ends: nothing past the size is read
        {"", 0, false, 0, 0},
    };
    for (const Reply& r : replies) {
        SCOPED_TRACE(r.bytes);
        const RegisterReply got = readRegisterReply(r.bytes.data(), r.size);
        EXPECT_EQ(std::tuple(got.ended, got.code, registerResult(got.code)),
                  std::tuple(r.ended, r.code, r.result));
    }

    const std::pair<const char*, uint32_t> ids[] = {
        {"00000001000000020000000400000008", 15u}, {"89abcdef000000000000000000000000", 0x89ABCDEFu},
        {"ffffffff00000000FFFFFFFF00000001", 1u},  {"1234567800000000000000000000000g", 0u},
        {"0000000100000002000000040000000", 0u},   {"", 0u},
    };
    for (const auto& [text, id] : ids) EXPECT_EQ(foldMachineId(text), id) << text;

    const std::pair<const char*, const char*> settings[] = {
        {"server = http://127.0.0.1:8787\n", "http://127.0.0.1:8787"},
        {"# server = http://a\nserver=https://scores.example.org/\r\n", "https://scores.example.org"},
        {"  server =   HTTP://h:1/board//  ", "HTTP://h:1/board"},
        {"server = ftp://x\n", ""},
        {"servers = http://x\n", ""},
        {"server = http://\n", ""},
        {"server = http://a b\n", ""},
        {"", ""},
    };
    for (const auto& [text, server] : settings) EXPECT_EQ(serverFromSettings(text), server) << text;
}

class ScoreServiceFlow : public SaveTest {
  protected:
    void SetUp() override {
        SaveTest::SetUp();
        ASSERT_FALSE(server_.url().empty());
        setenv(kScoreServerVariable, server_.url().c_str(), 1);
        cancelScoreRequest();
    }
    void TearDown() override {
        unsetenv(kScoreServerVariable);
        cancelScoreRequest();
        setScoreLimitsForTests(platform::HttpLimits{});
        SaveTest::TearDown();
    }
    // Frames until the request is settled; how many frames ran while it was under way.
    static int32_t settle() {
        int32_t frames = 0;
        while (scoreRequestState().status == ScoreStatus::UnderWay && frames < 5000) {
            pollScoreService();
            ++frames;
            usleep(2000);
        }
        return frames;
    }
    ScoreServerProcess server_;
};

TEST_F(ScoreServiceFlow, RegistersSubmitsAndRefusesAWrongPassword) {
    // A game saved before registering: registering changes only the account's bytes of it.
    fillGame();
    writeSavedGame();
    const std::vector<uint8_t> before = readFile(saveFile());
    EXPECT_FALSE(startScoreSubmission(100, 1));
    EXPECT_EQ(scoreRequestState().failure, ScoreFailure::NoAccount);

    // Registrations and scores under the account each row names: the same name and password again
    // is registered already, another password finds the name taken; a score under a wrong password
    // is refused and stores nothing. The last registration leaves its account in the save.
    struct Request {
        bool score;
        const char *email, *name, *password;
        uint32_t amount;
        int32_t length;
        ScoreStatus status;
        ScoreOutcome outcome;
        ScoreFailure failure;
    };
    using enum ScoreStatus;
    using enum ScoreOutcome;
    // clang-format off
    const Request requests[] = {
        {false, "", "A b\r\nc", "secret1", 0, 0, Done, Registered, ScoreFailure::None},
        {false, "", "A b\r\nc", "secret1", 0, 0, Done, AlreadyRegistered, ScoreFailure::None},
        {false, "", "A b\r\nc", "other12", 0, 0, Done, NameTaken, ScoreFailure::None},
        {false, "ann@example.org", "Bob&x=1", "pass12", 0, 0, Done, Registered, ScoreFailure::None},
        {true, "", "Bob&x=1", "pass12", 12345, 2, Done, ScoreTaken, ScoreFailure::None},
        {true, "", "Bob&x=1", "wrong1", 99999, 2, Failed, ScoreOutcome::None, ScoreFailure::WrongPassword},
        {true, "", "Nobody", "secret1", 88888, 2, Failed, ScoreOutcome::None, ScoreFailure::WrongPassword},
        {true, "", "A b\r\nc", "secret1", 4000000000u, 0, Done, ScoreTaken, ScoreFailure::None},
        {false, "", "Zed", "zzz999", 0, 0, Done, Registered, ScoreFailure::None},
    };
    // clang-format on
    for (const Request& r : requests) {
        SCOPED_TRACE(testing::Message() << r.name << " " << r.password << " " << r.amount);
        if (r.score) writeScoreAccount(r.name, r.password);
        ASSERT_TRUE(r.score ? startScoreSubmission(r.amount, r.length)
                            : startScoreRegistration(r.email, r.name, r.password));
        settle();
        const ScoreRequestState& got = scoreRequestState();
        EXPECT_EQ(std::tuple(got.status, got.outcome, got.failure),
                  std::tuple(r.status, r.outcome, r.failure));
    }
    EXPECT_EQ(std::tuple(scoreGameName(), scorePassword()), std::tuple("Zed", "zzz999"));
    // Only the account's bytes changed: the password at 8672, the game name at 8682, ten bytes each.
    std::vector<uint8_t> expected = before;
    std::memcpy(&expected[4 + 8672], "zzz999\0\0\0\0Zed\0\0\0\0\0\0\0", 20);
    EXPECT_EQ(readFile(saveFile()), expected);
    const std::string page = fetch(server_.url() + "/scores");
    const auto shows = [&](const char* part) { return page.find(part) != std::string::npos; };
    // clang-format off
    EXPECT_TRUE(shows("<h2>Game Length 2</h2>\n<table>\n<tr><td>1</td><td>Bob&amp;x=1</td><td>12345</td></tr>\n</table>")) << page;
    // The name arrived byte for byte: CR and LF are shown as their control pictures.
    EXPECT_TRUE(shows("<h2>Game Length 0</h2>\n<table>\n<tr><td>1</td><td>A b\u240D\u240Ac</td><td>4000000000</td>")) << page;
    // clang-format on
    EXPECT_FALSE(shows("99999") || shows("88888"));

    // Values out of bounds: the client does not send them, the server refuses them.
    EXPECT_FALSE(startScoreRegistration("", "Ann", "five5"));
    EXPECT_EQ(scoreRequestState().failure, ScoreFailure::BadInput);
    int32_t status = 0;
    EXPECT_EQ(fetch(server_.url() + registerRequestPath("", "TenLetters", "secret1", 0), &status),
              "GID:0\nDone\n");
    EXPECT_EQ(status, 400);
    fetch(server_.url() + submitRequestPath("Bob&x=1", "pass12", 1, 0, 2) + "&score=2", &status);
    EXPECT_EQ(status, 400);
}

// Servers that fail never hold up a frame: one that takes the connection and never answers, one
// whose reply is longer than the bound (the real server's, against a bound of 4 bytes), a port
// nobody listens on, and an address that is not http.
TEST_F(ScoreServiceFlow, ServersThatFailNeverHoldUpAFrame) {
    const int silent = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&at), size), 0);
    listen(silent, 4);
    getsockname(silent, reinterpret_cast<sockaddr*>(&at), &size);
    // Only the silent server gets the short total time: the real one hashes the password before it
    // answers, which takes longer than 400 ms on a loaded machine.
    struct Case {
        std::string server;
        int32_t totalMs, maxReply;
        ScoreFailure failure;
        int32_t minFrames;
    };
    const Case cases[] = {
        {"http://127.0.0.1:" + std::to_string(ntohs(at.sin_port)), 400, 16 * 1024, ScoreFailure::TimedOut,
         20},
        {server_.url(), 8000, 4, ScoreFailure::TooLarge, 1},
        {"http://127.0.0.1:1", 8000, 16 * 1024, ScoreFailure::Unreachable, 1},
        {"ftp://127.0.0.1/", 8000, 16 * 1024, ScoreFailure::Off, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server);
        setScoreLimitsForTests(platform::HttpLimits{2000, c.totalMs, c.maxReply});
        setenv(kScoreServerVariable, c.server.c_str(), 1);
        startScoreRegistration("", "Ann", "secret1");
        EXPECT_GE(settle(), c.minFrames); // the frames ran on while it waited
        EXPECT_EQ(std::tuple(scoreRequestState().status, scoreRequestState().failure),
                  std::tuple(ScoreStatus::Failed, c.failure));
    }
    close(silent);
    // With nothing configured, online scores are off.
    unsetenv(kScoreServerVariable);
    EXPECT_EQ(scoreServer(), "");
    writeFile(dir_.file(kScoreSettingsFile), std::string("server = ") + server_.url() + "\n");
    EXPECT_EQ(scoreServer(), server_.url());
}

} // namespace
} // namespace bvtest
