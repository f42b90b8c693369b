// The online score service: registering a game name with a password, and sending scores to a
// score server. Nothing is ever sent unless a server is configured: the environment variable
// BV_SCORE_SERVER, or else a line "server = http://host:port" in "scores.cfg" in the per-user
// data folder (lines starting with '#' are comments; only http:// and https:// addresses count).
//
// The two requests (values percent-encoded, so spaces, '&' or CR/LF in a name arrive as typed):
//   <server>/code/hs/reg1.php?email=E&game_name=N&password=P&machine_ID=M
//   <server>/code/hs/hs1_8.php?game_name=N&password=P&score=S&machine_id=M&length=L
// S is the score as an unsigned decimal, M the machine id as a signed 32-bit decimal, L the game
// length 0..4 (left out when unknown).
//
// The registration reply ends with the marker "Done", starting within its last 15 bytes and at
// least 4 bytes before the end; the reply code is the decimal number after "GID:", which must
// start within the 20 bytes before "Done". Codes: 1 registered, 3 the name is registered with
// another password, 5 already registered with this password; any other code (or no "GID:") is a
// refusal. A reply without the end marker gives no result at all. A score is taken when the
// server answers 2xx; 403 means the password did not match.
//
// One request runs at a time. pollScoreService() advances it; the frame loop calls it once per
// frame and it returns at once, so a slow or silent server never holds up a frame.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/http.h"

namespace bv {

constexpr const char* kScoreSettingsFile = "scores.cfg";
constexpr const char* kScoreServerVariable = "BV_SCORE_SERVER";
constexpr int32_t kScoreNameMaxChars = 9;
constexpr int32_t kScorePasswordMinChars = 6;
constexpr int32_t kScorePasswordMaxChars = 9;
constexpr int32_t kScoreEmailMaxChars = 60;
constexpr int32_t kGameLengthCount = 5;

// --- Request pieces ---------------------------------------------------------------------------
// Every byte but A-Z a-z 0-9 - . _ ~ as %XX.
std::string percentEncode(std::string_view value);
std::string registerRequestPath(std::string_view email, std::string_view gameName, std::string_view password,
                                int32_t machineId);
// length outside 0..4: the field is left out.
std::string submitRequestPath(std::string_view gameName, std::string_view password, uint32_t score,
                              int32_t machineId, int32_t length);

struct RegisterReply {
    bool ended;   // the "Done" marker was found where it belongs
    int32_t code; // the number after "GID:", 0 when there is none
};
// Reads exactly size bytes (no terminator needed).
RegisterReply readRegisterReply(const char* data, size_t size);
// Reply code to result: 1 -> 1, 3 -> 2, 5 -> 3, anything else 0.
int32_t registerResult(int32_t code);

// /etc/machine-id is 32 hex digits (128 bits); the machine id is the XOR of its four 32-bit
// words, each eight digits read as one hex number. Anything but 32 hex digits gives 0.
uint32_t foldMachineId(std::string_view text);
uint32_t machineId();

// The server address in the settings text, without trailing '/'; "" when there is none or it is
// not an http:// or https:// address.
std::string serverFromSettings(std::string_view text);
// The configured server (the variable first, then the file); "" when online scores are off.
std::string scoreServer();

// --- The player's account (kept in the saved block) -------------------------------------------
// The registered game name ("" when none was registered yet) and password.
std::string scoreGameName();
std::string scorePassword();
// Whether the values may be sent: name 1..9 bytes, password 6..9 bytes, e-mail at most 60
// bytes, none holding a NUL.
bool scoreAccountValid(std::string_view gameName, std::string_view password, std::string_view email);

// --- Requests ---------------------------------------------------------------------------------
enum class ScoreTask : int32_t { None = 0, Register = 1, Submit = 2 };
enum class ScoreStatus : int32_t { Idle = 0, UnderWay = 1, Done = 2, Failed = 3 };
// What a finished request came to (status Done).
enum class ScoreOutcome : int32_t {
    None = 0,
    Registered = 1,        // code 1: the name is ours now
    NameTaken = 2,         // code 3: someone holds the name with another password
    AlreadyRegistered = 3, // code 5: the name was ours already
    RegisterRefused = 4,   // any other code
    ScoreTaken = 5,        // the server took the score
};
// Why a request gave no outcome (status Failed).
enum class ScoreFailure : int32_t {
    None = 0,
    Off = 1,             // no server configured: nothing was sent
    Busy = 2,            // another request is under way
    BadInput = 3,        // a value out of bounds
    NoAccount = 4,       // a score cannot go before a game name is registered
    BadAddress = 5,      // the configured address is not usable
    Unreachable = 6,     // the server could not be reached
    TimedOut = 7,        // no whole reply in time
    TooLarge = 8,        // the reply was longer than the bound
    WrongPassword = 9,   // the server refused the password (403)
    ServerError = 10,    // any other status than 2xx (httpStatus says which)
    NoEndMarker = 11,    // a registration reply without "Done"
    TransferFailed = 12, // the connection broke
};
struct ScoreRequestState {
    ScoreTask task;
    ScoreStatus status;
    ScoreOutcome outcome;
    ScoreFailure failure;
    int32_t httpStatus;
};
const ScoreRequestState& scoreRequestState();

// Starts a registration. A code 1 or 5 reply keeps the name and password in the saved block and
// writes them to the player's save file. False (and status Failed) when it could not start.
bool startScoreRegistration(std::string_view email, std::string_view gameName, std::string_view password);
// Sends a score of the given game length (0..4, or -1 unknown) under the registered account.
bool startScoreSubmission(uint32_t score, int32_t length);
// Once per frame: advances the request under way; returns at once.
void pollScoreService();
// Drops the request under way and forgets the last result (status Idle).
void cancelScoreRequest();

// Tests: the limits the requests use (the defaults are 5 s to connect, 10 s in all, 16 KiB).
void setScoreLimitsForTests(const platform::HttpLimits& limits);

} // namespace bv
