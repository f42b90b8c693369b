#include "levels/score_service.h"

#include <cstring>

#include "levels/save.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/system.h"

namespace bv {

namespace {

constexpr int32_t kSettingsMaxBytes = 4096;
constexpr size_t kDoneWindow = 15; // "Done" starts within the reply's last 15 bytes
constexpr size_t kGidWindow = 20;  // "GID:" starts within the 20 bytes before "Done"
constexpr size_t kCodeMaxDigits = 9;

platform::HttpRequest g_http;
platform::HttpLimits g_limits;
ScoreRequestState g_state{};
// The account a registration under way asks for; kept when the server agrees.
std::string g_askedName, g_askedPassword;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

uint32_t hexValue(char c) {
    if (c >= '0' && c <= '9') return uint32_t(c - '0');
    if (c >= 'a' && c <= 'f') return uint32_t(c - 'a' + 10);
    return uint32_t(c - 'A' + 10);
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// An http:// or https:// address with a host, without trailing '/'; "" for anything else.
std::string usableServer(std::string_view address) {
    address = trimmed(address);
    while (!address.empty() && address.back() == '/') address.remove_suffix(1);
    const size_t scheme = startsWithNoCase(address, "http://")    ? 7
                          : startsWithNoCase(address, "https://") ? 8
                                                                  : 0;
    if (scheme == 0 || address.size() == scheme) return "";
    for (char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == 127) return "";
    return std::string(address);
}

std::string blockText(uint32_t offset) {
    const uint8_t* at = saveBlock() + offset;
    std::string s;
    for (uint32_t i = 0; i < kScoreAccountFieldBytes - 1 && at[i]; ++i) s.push_back(char(at[i]));
    return s;
}

void setState(ScoreTask task, ScoreStatus status, ScoreOutcome outcome, ScoreFailure failure) {
    g_state = ScoreRequestState{task, status, outcome, failure, g_http.status()};
}

bool refuse(ScoreTask task, ScoreFailure failure) {
    g_http.cancel();
    setState(task, ScoreStatus::Failed, ScoreOutcome::None, failure);
    return false;
}

ScoreFailure failureOf(platform::HttpFailure f) {
    switch (f) {
    case platform::HttpFailure::BadAddress:
        return ScoreFailure::BadAddress;
    case platform::HttpFailure::Unreachable:
        return ScoreFailure::Unreachable;
    case platform::HttpFailure::TimedOut:
        return ScoreFailure::TimedOut;
    case platform::HttpFailure::TooLarge:
        return ScoreFailure::TooLarge;
    default:
        return ScoreFailure::TransferFailed;
    }
}

bool send(ScoreTask task, const std::string& server, const std::string& path) {
    if (!g_http.start(server + path, g_limits)) return refuse(task, failureOf(g_http.failure()));
    setState(task, ScoreStatus::UnderWay, ScoreOutcome::None, ScoreFailure::None);
    return true;
}

// The server's answer to the request that just finished.
void settle() {
    const int32_t status = g_http.status();
    const bool ok = status >= 200 && status < 300;
    if (g_state.task == ScoreTask::Submit) {
        if (ok)
            setState(ScoreTask::Submit, ScoreStatus::Done, ScoreOutcome::ScoreTaken, ScoreFailure::None);
        else
            refuse(ScoreTask::Submit,
                   status == 403 ? ScoreFailure::WrongPassword : ScoreFailure::ServerError);
        g_state.httpStatus = status;
        return;
    }
    const std::string& body = g_http.body();
    const RegisterReply reply = readRegisterReply(body.data(), body.size());
    if (!ok || !reply.ended) {
        refuse(ScoreTask::Register, ok ? ScoreFailure::NoEndMarker : ScoreFailure::ServerError);
        g_state.httpStatus = status;
        return;
    }
    static constexpr ScoreOutcome kByResult[] = {ScoreOutcome::RegisterRefused, ScoreOutcome::Registered,
                                                 ScoreOutcome::NameTaken, ScoreOutcome::AlreadyRegistered};
    const ScoreOutcome outcome = kByResult[registerResult(reply.code)];
    if (outcome == ScoreOutcome::Registered || outcome == ScoreOutcome::AlreadyRegistered)
        writeScoreAccount(g_askedName.c_str(), g_askedPassword.c_str());
    setState(ScoreTask::Register, ScoreStatus::Done, outcome, ScoreFailure::None);
}

} // namespace

std::string percentEncode(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (char ch : value) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out.push_back(char(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

std::string registerRequestPath(std::string_view email, std::string_view gameName, std::string_view password,
                                int32_t machineId) {
    return "/code/hs/reg1.php?email=" + percentEncode(email) + "&game_name=" + percentEncode(gameName) +
           "&password=" + percentEncode(password) + "&machine_ID=" + std::to_string(machineId);
}

std::string submitRequestPath(std::string_view gameName, std::string_view password, uint32_t score,
                              int32_t machineId, int32_t length) {
    std::string path = "/code/hs/hs1_8.php?game_name=" + percentEncode(gameName) +
                       "&password=" + percentEncode(password) + "&score=" + std::to_string(score) +
                       "&machine_id=" + std::to_string(machineId);
    if (length >= 0 && length < kGameLengthCount) path += "&length=" + std::to_string(length);
    return path;
}

RegisterReply readRegisterReply(const char* data, size_t size) {
    RegisterReply reply{false, 0};
    if (!data || size < 4) return reply;
    const size_t doneLow = size > kDoneWindow ? size - kDoneWindow : 0;
    size_t done = size - 4 + 1;
    while (done-- > doneLow)
        if (std::memcmp(data + done, "Done", 4) == 0) break;
    if (done + 1 == doneLow || done > size - 4) return reply;
    reply.ended = true;

    if (done < 4) return reply;
    const size_t gidLow = done > kGidWindow ? done - kGidWindow : 0;
    size_t gid = done - 4 + 1;
    while (gid-- > gidLow)
        if (std::memcmp(data + gid, "GID:", 4) == 0) break;
    if (gid + 1 == gidLow || gid > done - 4) return reply;

    // The digits run up to "Done" at most; a number too long to be a code is no code.
    int32_t code = 0;
    size_t digits = 0;
    for (size_t i = gid + 4; i < done && data[i] >= '0' && data[i] <= '9'; ++i, ++digits) {
        if (digits == kCodeMaxDigits) return reply;
        code = code * 10 + (data[i] - '0');
    }
    reply.code = code;
    return reply;
}

int32_t registerResult(int32_t code) {
    switch (code) {
    case 1:
        return 1;
    case 3:
        return 2;
    case 5:
        return 3;
    default:
        return 0;
    }
}

uint32_t foldMachineId(std::string_view text) {
    if (text.size() != 32) return 0;
    uint32_t id = 0;
    for (size_t word = 0; word < 4; ++word) {
        uint32_t value = 0;
        for (size_t i = 0; i < 8; ++i) {
            const char c = text[word * 8 + i];
            if (!isHexDigit(c)) return 0;
            value = (value << 4) | hexValue(c);
        }
        id ^= value;
    }
    return id;
}

uint32_t machineId() {
    return foldMachineId(platform::machineIdText());
}

std::string serverFromSettings(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos) continue;
        if (trimmed(line.substr(0, eq)) == "server") return usableServer(line.substr(eq + 1));
    }
    return "";
}

std::string scoreServer() {
    const std::string variable = platform::environmentValue(kScoreServerVariable);
    if (!variable.empty()) return usableServer(variable);
    const std::string path = platform::userDataFolder() + kScoreSettingsFile;
    const int32_t handle = platform::fsOpen(path.c_str(), platform::kRead);
    if (handle < 0) return "";
    char text[kSettingsMaxBytes];
    const int32_t n = platform::fsRead(handle, text, kSettingsMaxBytes);
    platform::fsClose(handle);
    return n > 0 ? serverFromSettings(std::string_view(text, size_t(n))) : "";
}

std::string scoreGameName() {
    return blockText(kOffScoreGameName);
}

std::string scorePassword() {
    return blockText(kOffScorePassword);
}

bool scoreAccountValid(std::string_view gameName, std::string_view password, std::string_view email) {
    const auto clean = [](std::string_view s) { return s.find('\0') == std::string_view::npos; };
    return !gameName.empty() && gameName.size() <= size_t(kScoreNameMaxChars) &&
           password.size() >= size_t(kScorePasswordMinChars) &&
           password.size() <= size_t(kScorePasswordMaxChars) && email.size() <= size_t(kScoreEmailMaxChars) &&
           clean(gameName) && clean(password) && clean(email);
}

const ScoreRequestState& scoreRequestState() {
    return g_state;
}

bool startScoreRegistration(std::string_view email, std::string_view gameName, std::string_view password) {
    if (g_state.status == ScoreStatus::UnderWay) return false;
    const std::string server = scoreServer();
    if (server.empty()) return refuse(ScoreTask::Register, ScoreFailure::Off);
    if (!scoreAccountValid(gameName, password, email))
        return refuse(ScoreTask::Register, ScoreFailure::BadInput);
    g_askedName = gameName;
    g_askedPassword = password;
    return send(ScoreTask::Register, server,
                registerRequestPath(email, gameName, password, int32_t(machineId())));
}

bool startScoreSubmission(uint32_t score, int32_t length) {
    if (g_state.status == ScoreStatus::UnderWay) return false;
    const std::string server = scoreServer();
    if (server.empty()) return refuse(ScoreTask::Submit, ScoreFailure::Off);
    const std::string name = scoreGameName(), password = scorePassword();
    if (name.empty() || password.empty()) return refuse(ScoreTask::Submit, ScoreFailure::NoAccount);
    return send(ScoreTask::Submit, server,
                submitRequestPath(name, password, score, int32_t(machineId()), length));
}

void pollScoreService() {
    if (g_state.status != ScoreStatus::UnderWay) return;
    const platform::HttpState http = g_http.poll();
    if (http == platform::HttpState::Running) return;
    if (http == platform::HttpState::Done)
        settle();
    else
        refuse(g_state.task, failureOf(g_http.failure()));
}

void cancelScoreRequest() {
    g_http.cancel();
    g_state = ScoreRequestState{};
}

void setScoreLimitsForTests(const platform::HttpLimits& limits) {
    g_limits = limits;
}

} // namespace bv
