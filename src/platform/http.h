// HTTP GET requests that never hold up a frame: libcurl's multi interface, advanced by poll() once
// per frame. Name lookup runs on libcurl's resolver thread, connecting and reading happen only as
// far as the socket allows without waiting, so poll() returns at once whatever the server does.
// Only http:// and https:// addresses are taken, redirects are not followed, and the reply body
// is read into a buffer of a fixed bound: a longer reply is refused, not cut.
#pragma once

#include <cstdint>
#include <string>

namespace bv::platform {

enum class HttpState : int32_t {
    Idle = 0,    // nothing started (or cancelled)
    Running = 1, // under way: keep polling
    Done = 2,    // a reply arrived: status() and body() hold it
    Failed = 3,  // no usable reply: failure() says why
};

enum class HttpFailure : int32_t {
    None = 0,
    BadAddress = 1,  // not an http:// or https:// address, or one libcurl cannot read
    CannotStart = 2, // libcurl refused to set the request up
    Unreachable = 3, // the host is unknown or refused the connection
    TimedOut = 4,    // no connection within the connect limit, or no whole reply within the total
    TooLarge = 5,    // the reply body is longer than the bound
    Transfer = 6,    // the connection broke, or TLS failed
};

struct HttpLimits {
    int32_t connectTimeoutMs = 5000;
    int32_t totalTimeoutMs = 10000;
    int32_t maxReplyBytes = 16 * 1024;
};

class HttpRequest {
  public:
    HttpRequest();
    ~HttpRequest();
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // Starts a GET of the address (cancelling one under way). Returns false, with the request
    // Failed, when the address is refused; nothing is sent until the first poll.
    bool start(const std::string& url, const HttpLimits& limits);
    // Advances the transfer as far as it can go without waiting and returns the state.
    HttpState poll();
    // Drops a request under way; the state goes back to Idle.
    void cancel();

    HttpState state() const { return state_; }
    HttpFailure failure() const { return failure_; }
    // The reply's status code (200, 403 ...), 0 until a reply arrived.
    int32_t status() const { return status_; }
    // The reply body, at most maxReplyBytes long.
    const std::string& body() const { return body_; }

  private:
    struct Transfer;
    void finish(int32_t curlCode);
    void release();

    Transfer* transfer_ = nullptr;
    HttpState state_ = HttpState::Idle;
    HttpFailure failure_ = HttpFailure::None;
    int32_t status_ = 0;
    std::string body_;
};

} // namespace bv::platform
