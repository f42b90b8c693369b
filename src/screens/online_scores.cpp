#include "screens/online_scores.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/input.h"
#include "gfx/font.h"
#include "gfx/text.h"
#include "levels/save.h"
#include "levels/score_service.h"
#include "sim/owners.h"
#include "ui/forms.h"
#include "ui/hotspots.h"
#include "ui/money.h"

namespace bv {

namespace {

// The settings file is read again every so many frames, so an edit shows without a restart.
constexpr int32_t kServerRereadFrames = 30;
constexpr size_t kShownServerChars = 40;

struct Offer {
    bool pending;
    bool sending;
    uint32_t score;
    int32_t table;
};
Offer g_offer{};
// "Submit this score" without an account opens the form; the score follows the registration.
bool g_submitAfterRegistering = false;

std::string g_server;
int32_t g_serverAge = kServerRereadFrames;

struct RegistrationForm {
    bool open;
    FormTextField name, email, password;
    const char16_t* problem;
};
RegistrationForm g_form{};

std::u16string g_status;

std::u16string widen(const std::string& s) {
    std::u16string out;
    for (char c : s) out.push_back(char16_t(static_cast<unsigned char>(c)));
    return out;
}

// The field's text as 8-bit text; false when a character is not printable Latin-1.
bool narrowField(const FormTextField& field, std::string& out) {
    out.clear();
    for (int32_t i = 0; i < field.length; ++i) {
        const char16_t c = field.text[i];
        if (c < 32 || (c >= 127 && c < 160) || c > 255) return false;
        out.push_back(char(c));
    }
    return true;
}

void refreshServer() {
    if (++g_serverAge < kServerRereadFrames) return;
    g_serverAge = 0;
    g_server = scoreServer();
}

void sendOffer() {
    g_offer.sending = startScoreSubmission(g_offer.score, g_offer.table);
}

// What the finished request means for the offer and for a score waiting on a registration.
void followUp() {
    const ScoreRequestState& s = scoreRequestState();
    if (s.status == ScoreStatus::UnderWay || s.status == ScoreStatus::Idle) return;
    if (s.task == ScoreTask::Submit && g_offer.sending) {
        g_offer.sending = false;
        if (s.outcome == ScoreOutcome::ScoreTaken) g_offer.pending = false;
    }
    if (s.task == ScoreTask::Register && g_submitAfterRegistering) {
        g_submitAfterRegistering = false;
        const bool ours =
            s.outcome == ScoreOutcome::Registered || s.outcome == ScoreOutcome::AlreadyRegistered;
        if (ours && g_offer.pending) sendOffer();
    }
}

std::u16string failureText(const ScoreRequestState& s) {
    switch (s.failure) {
    case ScoreFailure::Off:
        return u"Online scores are off.";
    case ScoreFailure::BadInput:
        return u"Check the game name and the password.";
    case ScoreFailure::NoAccount:
        return u"Register a game name first.";
    case ScoreFailure::BadAddress:
        return u"The score server's address cannot be used.";
    case ScoreFailure::Unreachable:
        return u"The score server cannot be reached.";
    case ScoreFailure::TimedOut:
        return u"The score server did not answer in time.";
    case ScoreFailure::TooLarge:
        return u"The score server's answer was too long.";
    case ScoreFailure::WrongPassword:
        return u"The score server refused the password.";
    case ScoreFailure::ServerError:
        return u"The score server reported an error (" + widen(std::to_string(s.httpStatus)) + u").";
    case ScoreFailure::NoEndMarker:
        return u"The score server's answer was not understood.";
    default:
        return u"The connection to the score server broke.";
    }
}

std::u16string outcomeText(ScoreOutcome outcome) {
    switch (outcome) {
    case ScoreOutcome::Registered:
        return u"Your game name is registered.";
    case ScoreOutcome::NameTaken:
        return u"That game name is taken: choose another.";
    case ScoreOutcome::AlreadyRegistered:
        return u"Your game name was registered already.";
    case ScoreOutcome::RegisterRefused:
        return u"The score server refused the registration.";
    default:
        return u"Your score is on the online board.";
    }
}

void updateStatus(int32_t table, int32_t place) {
    const ScoreRequestState& s = scoreRequestState();
    if (g_server.empty() && s.status != ScoreStatus::UnderWay) {
        g_status = u"Online scores are off: no score server is set.";
    } else if (s.status == ScoreStatus::UnderWay) {
        g_status =
            s.task == ScoreTask::Register ? u"Registering your game name..." : u"Sending your score...";
    } else if (s.status == ScoreStatus::Done) {
        g_status = outcomeText(s.outcome);
    } else if (s.status == ScoreStatus::Failed) {
        g_status = failureText(s);
    } else if (g_offer.pending && g_offer.table == table) {
        const int32_t shown = int32_t(std::min<uint32_t>(g_offer.score, INT32_MAX));
        g_status = u"Your score of " + widen(moneyStr(shown));
        if (place > 0) g_status += u" (place " + widen(std::to_string(place)) + u")";
        g_status += u" can go on the online board.";
    } else {
        std::string where = g_server.substr(g_server.find("//") + 2);
        if (where.size() > kShownServerChars) where = where.substr(0, kShownServerChars) + "...";
        g_status = u"Online scores go to " + widen(where) + u".";
    }
}

void centredLine(int32_t y, const char16_t* text) {
    pushFont(&fontArial15Brown);
    drawText(400, y, true, kStyleSingleLine, text);
    popFont();
}

void submitForm() {
    std::string name, email, password;
    const bool printable = narrowField(g_form.name, name) && narrowField(g_form.email, email) &&
                           narrowField(g_form.password, password);
    g_form.problem = printable ? registrationProblem(name.c_str(), email.c_str(), password.c_str())
                               : u"Please use letters, digits and punctuation only.";
    if (g_form.problem[0]) return;
    if (!startScoreRegistration(email, name, password)) {
        g_form.problem =
            scoreRequestState().status == ScoreStatus::UnderWay ? u"Another request is under way." : u"";
        if (g_form.problem[0]) return;
    }
    closeRegistrationForm();
}

void drawForm() {
    constexpr int32_t x = kRegisterFormX, y = kRegisterFormY, left = kRegisterFormX + 30;
    formPanel(x, y, kRegisterFormW, kRegisterFormH, u"Internet High Score Registration");
    formLabel(left, y + 48, u"Would you like to register your game name with the score server,");
    formLabel(left, y + 66, u"so that your high scores can be posted to its score boards?");
    formLabel(left, kRegisterNameY + 3, u"Game name:");
    formLabel(left, kRegisterEmailY + 3, u"Email address:");
    formLabel(left, kRegisterPasswordY + 3, u"Password (6-9 chars):");
    formTextField(kRegisterFieldX, kRegisterNameY, kRegisterFieldW, kRegisterFieldH, g_form.name);
    formTextField(kRegisterFieldX, kRegisterEmailY, kRegisterFieldW, kRegisterFieldH, g_form.email);
    formTextField(kRegisterFieldX, kRegisterPasswordY, kRegisterFieldW, kRegisterFieldH, g_form.password);
    formLabel(left, y + 210, u"The e-mail address is optional. It is used to announce new versions");
    formLabel(left, y + 228, u"and to warn you if your score account has been tampered with.");
    if (g_form.problem && g_form.problem[0]) formLabel(left, y + 256, g_form.problem);
    const bool ok = formButton(kRegisterOkX, kRegisterButtonY, kRegisterButtonW, kOnlineButtonH, u"OK");
    const bool no = formButton(kRegisterNoX, kRegisterButtonY, kRegisterButtonW, kOnlineButtonH, u"No");
    if (ok || isPressed(kSlotEnter))
        submitForm();
    else if (no || isPressed(kSlotEscape)) {
        g_submitAfterRegistering = false;
        closeRegistrationForm();
    }
}

} // namespace

const char16_t* registrationProblem(const char* gameName, const char* email, const char* password) {
    const size_t name = std::strlen(gameName), pass = std::strlen(password);
    if (name < 1 || name > size_t(kScoreNameMaxChars))
        return u"The game name must be 1 to 9 characters long.";
    if (pass < size_t(kScorePasswordMinChars) || pass > size_t(kScorePasswordMaxChars))
        return u"The password must be 6 to 9 characters long.";
    const size_t mail = std::strlen(email);
    if (mail > size_t(kScoreEmailMaxChars) ||
        (mail > 0 && (!std::strchr(email, '@') || std::strchr(email, ' '))))
        return u"The e-mail address does not look right.";
    return u"";
}

void openRegistrationForm() {
    g_form.open = true;
    g_form.problem = u"";
    formFieldInit(g_form.name, kFieldText, kScoreNameMaxChars);
    formFieldInit(g_form.email, kFieldText, kScoreEmailMaxChars);
    formFieldInit(g_form.password, kFieldText, kScorePasswordMaxChars);
    g_form.password.masked = true;
    const std::string registered = scoreGameName();
    formFieldSet8(g_form.name, registered.empty() ? playerName : registered.c_str());
    formFocus(g_form.name.length > 0 ? &g_form.password : &g_form.name);
}

bool registrationFormOpen() {
    return g_form.open;
}

void closeRegistrationForm() {
    g_form.open = false;
    formFocus(nullptr);
}

void offerScoreSubmission(uint32_t score) {
    g_offer = Offer{true, false, score, std::clamp(blockInt(kOffGameLength), 0, kGameLengthCount - 1)};
    // The settings are read again with the next frame, so a server set since shows at once.
    g_serverAge = kServerRereadFrames;
    // A finished request's message gives way to the offer.
    if (scoreRequestState().status != ScoreStatus::UnderWay) cancelScoreRequest();
}

const char16_t* onlineStatusText() {
    return g_status.c_str();
}

bool onlineScoresPanel(int32_t table, int32_t highlightedPlace) {
    refreshServer();
    followUp();
    if (g_form.open) {
        // Modal: nothing the screen drew under the form can be clicked.
        clearHotSpots();
        drawForm();
        return true;
    }
    updateStatus(table, highlightedPlace);
    centredLine(kOnlineStatusY, g_status.c_str());
    if (g_server.empty()) {
        centredLine(kOnlineStatusY + 20, u"A \"server = ...\" line in scores.cfg turns them on.");
        return false;
    }
    const bool busy = scoreRequestState().status == ScoreStatus::UnderWay;
    const bool offered = g_offer.pending && g_offer.table == table;
    if (formButton(kOnlineSubmitX, kOnlineButtonY, kOnlineButtonW, kOnlineButtonH, u"Submit this score",
                   offered && !busy)) {
        if (scorePassword().empty()) {
            g_submitAfterRegistering = true;
            openRegistrationForm();
        } else {
            sendOffer();
        }
    }
    if (formButton(kOnlineRegisterX, kOnlineButtonY, kOnlineButtonW, kOnlineButtonH, u"Register", !busy))
        openRegistrationForm();
    return false;
}

} // namespace bv
