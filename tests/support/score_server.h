// A real score server for the online-score tests: bvscored started on a free loopback port with a
// database in a folder of its own, stopped by the destructor. Also a blocking fetch for the tests'
// own look at the server (the game itself only ever polls).
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/http.h"
#include "support/test_support.h"

namespace bvtest {

class ScoreServerProcess {
  public:
    ScoreServerProcess() {
        const std::string program = std::string(BV_TOOLS_DIR) + "/bvscored";
        const std::string db = dir_.file("scores.db");
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const char* argv[] = {program.c_str(), "--port", "0", "--db", db.c_str(), nullptr};
        const int rc =
            posix_spawn(&pid_, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (rc != 0) pid_ = -1;
        // "bvscored: listening on http://127.0.0.1:PORT"
        std::FILE* f = fdopen(out[0], "r");
        char line[200] = {};
        if (pid_ > 0 && f && std::fgets(line, sizeof line, f)) {
            const std::string text = line;
            const size_t at = text.find("http://");
            if (at != std::string::npos) url_ = text.substr(at, text.find_first_of("\r\n") - at);
        }
        if (f) std::fclose(f);
    }
    ~ScoreServerProcess() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    ScoreServerProcess(const ScoreServerProcess&) = delete;
    ScoreServerProcess& operator=(const ScoreServerProcess&) = delete;

    // "http://127.0.0.1:PORT", "" when the server did not start.
    const std::string& url() const { return url_; }

  private:
    TempDir dir_;
    pid_t pid_ = -1;
    std::string url_;
};

// The body of a GET (status in *status), polled to its end; "" when it failed.
inline std::string fetch(const std::string& url, int32_t* status = nullptr) {
    bv::platform::HttpRequest request;
    bv::platform::HttpLimits limits;
    limits.maxReplyBytes = 1 << 20;
    request.start(url, limits);
    while (request.poll() == bv::platform::HttpState::Running) usleep(2000);
    if (status) *status = request.status();
    return request.body();
}

} // namespace bvtest
