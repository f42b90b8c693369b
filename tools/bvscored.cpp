// bvscored: a score server for Brickvale 2, so that friends can share one online score board.
//
//   GET /code/hs/reg1.php?email=E&game_name=N&password=P&machine_ID=M
//       Registers a game name. The reply is "GID:<code>\nDone\n": 1 registered now, 3 the name is
//       registered with another password, 5 already registered with this password; a request
//       with a missing or out-of-bounds value gets status 400 and code 0.
//   GET /code/hs/hs1_8.php?game_name=N&password=P&score=S&machine_id=M[&length=L]
//       Stores a score (S unsigned 32-bit, L the game length 0..4, left out when unknown) for a
//       registered name: 200 "OK", 403 when the name is not registered or the password does not
//       match, 400 for a bad value.
//   GET /scores
//       An HTML page of the ten best scores of each game length.
//
// Bounds: names 1..9 bytes, passwords 6..9 bytes, e-mail at most 60 bytes, no NUL bytes, every
// field at most once. Passwords are stored only as Argon2id hashes (libsodium, interactive
// limits). Names are 8-bit text (Latin-1) and are shown as such; control characters show as the
// Unicode control pictures, so nothing a player registers can change the page.
//
// Options: --host ADDRESS (127.0.0.1), --port N (8787; 0 picks a free port), --db FILE
// (bvscored.db), --help. Prints "bvscored: listening on http://HOST:PORT" once it listens;
// SIGINT or SIGTERM stops it.
#include <httplib.h>
#include <sodium.h>
#include <sqlite3.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

constexpr size_t kNameMax = 9, kPasswordMin = 6, kPasswordMax = 9, kEmailMax = 60;
constexpr int kLengths = 5;
constexpr int kBoardRows = 10;

const char* const kUsage =
    "usage: bvscored [--host ADDRESS] [--port N] [--db FILE]\n"
    "  --host ADDRESS  address to listen on (default 127.0.0.1; 0.0.0.0 for every interface)\n"
    "  --port N        port to listen on (default 8787; 0 picks a free one)\n"
    "  --db FILE       SQLite database of registrations and scores (default bvscored.db)\n"
    "  --help          this text\n";

// --- The database -----------------------------------------------------------------------------

class Store {
  public:
    ~Store() {
        for (sqlite3_stmt* s : {findPlayer_, addPlayer_, addScore_, best_}) sqlite3_finalize(s);
        sqlite3_close(db_);
    }

    bool open(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) return fail("open");
        sqlite3_busy_timeout(db_, 2000);
        const char* schema =
            "CREATE TABLE IF NOT EXISTS players("
            "  name BLOB PRIMARY KEY, pwhash TEXT NOT NULL, email BLOB NOT NULL,"
            "  machine_id INTEGER NOT NULL, registered INTEGER NOT NULL);"
            "CREATE TABLE IF NOT EXISTS scores("
            "  id INTEGER PRIMARY KEY, name BLOB NOT NULL, score INTEGER NOT NULL,"
            "  length INTEGER NOT NULL, machine_id INTEGER NOT NULL, submitted INTEGER NOT NULL);"
            "CREATE INDEX IF NOT EXISTS scores_by_length ON scores(length, score DESC);";
        if (sqlite3_exec(db_, schema, nullptr, nullptr, nullptr) != SQLITE_OK) return fail("create tables");
        return prepare("SELECT pwhash FROM players WHERE name = ?1", findPlayer_) &&
               prepare("INSERT INTO players(name, pwhash, email, machine_id, registered) "
                       "VALUES(?1, ?2, ?3, ?4, strftime('%s','now'))",
                       addPlayer_) &&
               prepare("INSERT INTO scores(name, score, length, machine_id, submitted) "
                       "VALUES(?1, ?2, ?3, ?4, strftime('%s','now'))",
                       addScore_) &&
               prepare(
                   "SELECT name, score FROM scores WHERE length = ?1 ORDER BY score DESC, id ASC LIMIT ?2",
                   best_);
    }

    // The stored hash of the name's password, or nothing when the name is not registered.
    std::optional<std::string> passwordHash(const std::string& name) {
        Reset r(findPlayer_);
        bindBlob(findPlayer_, 1, name);
        if (sqlite3_step(findPlayer_) != SQLITE_ROW) return std::nullopt;
        const unsigned char* hash = sqlite3_column_text(findPlayer_, 0);
        return std::string(hash ? reinterpret_cast<const char*>(hash) : "");
    }

    bool addPlayer(const std::string& name, const std::string& hash, const std::string& email,
                   int32_t machine) {
        Reset r(addPlayer_);
        bindBlob(addPlayer_, 1, name);
        sqlite3_bind_text(addPlayer_, 2, hash.c_str(), int(hash.size()), SQLITE_TRANSIENT);
        bindBlob(addPlayer_, 3, email);
        sqlite3_bind_int(addPlayer_, 4, machine);
        return sqlite3_step(addPlayer_) == SQLITE_DONE;
    }

    bool addScore(const std::string& name, uint32_t score, int length, int32_t machine) {
        Reset r(addScore_);
        bindBlob(addScore_, 1, name);
        sqlite3_bind_int64(addScore_, 2, sqlite3_int64(score));
        sqlite3_bind_int(addScore_, 3, length);
        sqlite3_bind_int(addScore_, 4, machine);
        return sqlite3_step(addScore_) == SQLITE_DONE;
    }

    template <typename Row> void best(int length, Row row) {
        Reset r(best_);
        sqlite3_bind_int(best_, 1, length);
        sqlite3_bind_int(best_, 2, kBoardRows);
        while (sqlite3_step(best_) == SQLITE_ROW) {
            const char* name = static_cast<const char*>(sqlite3_column_blob(best_, 0));
            const int bytes = sqlite3_column_bytes(best_, 0);
            row(std::string(name ? name : "", size_t(bytes)), sqlite3_column_int64(best_, 1));
        }
    }

  private:
    struct Reset {
        sqlite3_stmt* s;
        explicit Reset(sqlite3_stmt* stmt) : s(stmt) {}
        ~Reset() {
            sqlite3_reset(s);
            sqlite3_clear_bindings(s);
        }
    };
    static void bindBlob(sqlite3_stmt* s, int index, const std::string& bytes) {
        sqlite3_bind_blob(s, index, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    bool prepare(const char* sql, sqlite3_stmt*& out) {
        return sqlite3_prepare_v2(db_, sql, -1, &out, nullptr) == SQLITE_OK || fail("prepare");
    }
    bool fail(const char* what) {
        std::fprintf(stderr, "bvscored: database %s failed: %s\n", what,
                     db_ ? sqlite3_errmsg(db_) : "no memory");
        return false;
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* findPlayer_ = nullptr;
    sqlite3_stmt* addPlayer_ = nullptr;
    sqlite3_stmt* addScore_ = nullptr;
    sqlite3_stmt* best_ = nullptr;
};

// --- Request values ---------------------------------------------------------------------------

// The field's value when it appears exactly once, holds no NUL and has min..max bytes.
std::optional<std::string> field(const httplib::Request& req, const char* key, size_t min, size_t max) {
    if (req.get_param_value_count(key) != 1)
        return min == 0 && !req.has_param(key) ? std::optional<std::string>("") : std::nullopt;
    std::string value = req.get_param_value(key);
    if (value.size() < min || value.size() > max || value.find('\0') != std::string::npos)
        return std::nullopt;
    return value;
}

// A decimal number of at most ten digits within lo..hi, with an optional leading '-'.
std::optional<int64_t> number(const httplib::Request& req, const char* key, int64_t lo, int64_t hi) {
    const std::optional<std::string> text = field(req, key, 1, 11);
    if (!text) return std::nullopt;
    const bool negative = (*text)[0] == '-';
    const size_t first = negative ? 1 : 0;
    if (text->size() == first || text->size() - first > 10) return std::nullopt;
    int64_t value = 0;
    for (size_t i = first; i < text->size(); ++i) {
        const char c = (*text)[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

std::string hashPassword(const std::string& password) {
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return "";
    return hash;
}

bool passwordMatches(const std::string& hash, const std::string& password) {
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

// Latin-1 bytes as HTML text in UTF-8: the markup characters as entities, control characters as
// their control pictures (U+2400 ...), everything else as the letter it is.
std::string html(const std::string& bytes) {
    std::string out;
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\'':
            out += "&#39;";
            continue;
        default:
            break;
        }
        unsigned code = c;
        if (c < 0x20) code = 0x2400 + c;
        if (c == 0x7F) code = 0x2421;
        if (code < 0x80) {
            out.push_back(char(code));
        } else if (code < 0x800) {
            out.push_back(char(0xC0 | (code >> 6)));
            out.push_back(char(0x80 | (code & 0x3F)));
        } else {
            out.push_back(char(0xE0 | (code >> 12)));
            out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(char(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

// --- The server -------------------------------------------------------------------------------

class ScoreServer {
  public:
    explicit ScoreServer(Store& store) : store_(store) {}

    void routes(httplib::Server& server) {
        server.Get("/code/hs/reg1.php",
                   [this](const httplib::Request& q, httplib::Response& r) { registerName(q, r); });
        server.Get("/code/hs/hs1_8.php",
                   [this](const httplib::Request& q, httplib::Response& r) { submitScore(q, r); });
        server.Get("/scores", [this](const httplib::Request&, httplib::Response& r) { scoresPage(r); });
    }

  private:
    void registerName(const httplib::Request& req, httplib::Response& res) {
        const auto email = field(req, "email", 0, kEmailMax);
        const auto name = field(req, "game_name", 1, kNameMax);
        const auto password = field(req, "password", kPasswordMin, kPasswordMax);
        const auto machine = number(req, "machine_ID", INT32_MIN, INT32_MAX);
        int code = 0;
        if (email && name && password && machine) {
            std::lock_guard<std::mutex> hold(lock_);
            if (const auto hash = store_.passwordHash(*name)) {
                code = passwordMatches(*hash, *password) ? 5 : 3;
            } else {
                const std::string made = hashPassword(*password);
                if (!made.empty() && store_.addPlayer(*name, made, *email, int32_t(*machine))) code = 1;
            }
        }
        res.status = code == 0 ? 400 : 200;
        res.set_content("GID:" + std::to_string(code) + "\nDone\n", "text/plain");
    }

    void submitScore(const httplib::Request& req, httplib::Response& res) {
        const auto name = field(req, "game_name", 1, kNameMax);
        const auto password = field(req, "password", kPasswordMin, kPasswordMax);
        const auto score = number(req, "score", 0, UINT32_MAX);
        const auto machine = number(req, "machine_id", INT32_MIN, INT32_MAX);
        const auto length = req.has_param("length") ? number(req, "length", 0, kLengths - 1) : int64_t(-1);
        if (!name || !password || !score || !machine || !length) {
            res.status = 400;
            res.set_content("Bad request\n", "text/plain");
            return;
        }
        std::lock_guard<std::mutex> hold(lock_);
        const auto hash = store_.passwordHash(*name);
        if (!hash || !passwordMatches(*hash, *password)) {
            res.status = 403;
            res.set_content("Refused\n", "text/plain");
            return;
        }
        const bool stored = store_.addScore(*name, uint32_t(*score), int(*length), int32_t(*machine));
        res.status = stored ? 200 : 500;
        res.set_content(stored ? "OK\n" : "Not stored\n", "text/plain");
    }

    void scoresPage(httplib::Response& res) {
        std::string page =
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Brickvale 2 high scores"
            "</title></head>\n<body>\n<h1>Brickvale 2 high scores</h1>\n";
        std::lock_guard<std::mutex> hold(lock_);
        for (int length = -1; length < kLengths; ++length) {
            std::string rows;
            int place = 0;
            store_.best(length, [&](const std::string& name, int64_t score) {
                rows += "<tr><td>" + std::to_string(++place) + "</td><td>" + html(name) + "</td><td>" +
                        std::to_string(score) + "</td></tr>\n";
            });
            // Scores sent without a game length are shown only when there are some.
            if (length < 0 && rows.empty()) continue;
            page += length < 0 ? std::string("<h2>Game length not given</h2>\n")
                               : "<h2>Game Length " + std::to_string(length) + "</h2>\n";
            page += rows.empty() ? "<p>No scores yet.</p>\n" : "<table>\n" + rows + "</table>\n";
        }
        page += "</body></html>\n";
        res.set_content(page, "text/html; charset=utf-8");
    }

    Store& store_;
    std::mutex lock_; // one request at a time touches the database
};

} // namespace

int main(int argc, char** argv) {
    std::string host = "127.0.0.1", db = "bvscored.db";
    long port = 8787;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--host" && hasValue) {
            host = argv[++i];
        } else if (arg == "--db" && hasValue) {
            db = argv[++i];
        } else if (arg == "--port" && hasValue) {
            char* end = nullptr;
            port = std::strtol(argv[++i], &end, 10);
            if (!*argv[i] || *end || port < 0 || port > 65535) {
                std::fprintf(stderr, "bvscored: bad port \"%s\"\n%s", argv[i], kUsage);
                return 2;
            }
        } else {
            std::fprintf(stderr, "bvscored: unknown option \"%s\"\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (sodium_init() < 0) {
        std::fputs("bvscored: libsodium did not start\n", stderr);
        return 1;
    }
    Store store;
    if (!store.open(db)) return 1;

    // The signals go to one thread that stops the server; the others never see them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    httplib::Server server;
    server.set_payload_max_length(1024);
    server.set_read_timeout(5, 0);
    server.set_write_timeout(5, 0);
    server.set_keep_alive_max_count(20);
    ScoreServer scores(store);
    scores.routes(server);

    const int bound =
        port == 0 ? server.bind_to_any_port(host) : (server.bind_to_port(host, int(port)) ? int(port) : -1);
    if (bound <= 0) {
        std::fprintf(stderr, "bvscored: cannot listen on %s:%ld\n", host.c_str(), port);
        return 1;
    }
    std::atomic<bool> signalled{false};
    std::thread stopper([&server, &signalled, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        signalled = true;
        server.stop();
    });
    std::printf("bvscored: listening on http://%s:%d\n", host.c_str(), bound);
    std::fflush(stdout);
    server.listen_after_bind();
    // Stopped some other way than by a signal: wake the waiting thread so it can end.
    if (!signalled) pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return 0;
}
