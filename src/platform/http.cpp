#include "platform/http.h"

#include <algorithm>
#include <cstring>

#include <curl/curl.h>

namespace bv::platform {

namespace {

bool g_curlReady = false;

bool curlReady() {
    if (!g_curlReady) g_curlReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return g_curlReady;
}

bool hasPrefix(const std::string& s, const char* prefix) {
    const size_t n = std::strlen(prefix);
    if (s.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

} // namespace

struct HttpRequest::Transfer {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    std::string* body = nullptr;
    size_t limit = 0;
    bool overflow = false;

    // Takes the next piece of the body; a piece that would pass the bound stops the transfer.
    static size_t write(char* data, size_t size, size_t count, void* self) {
        Transfer* t = static_cast<Transfer*>(self);
        const size_t n = size * count;
        if (n > t->limit - std::min(t->limit, t->body->size())) {
            t->overflow = true;
            return 0;
        }
        t->body->append(data, n);
        return n;
    }
};

HttpRequest::HttpRequest() = default;

HttpRequest::~HttpRequest() {
    release();
}

void HttpRequest::release() {
    if (!transfer_) return;
    if (transfer_->multi && transfer_->easy) curl_multi_remove_handle(transfer_->multi, transfer_->easy);
    if (transfer_->easy) curl_easy_cleanup(transfer_->easy);
    if (transfer_->multi) curl_multi_cleanup(transfer_->multi);
    delete transfer_;
    transfer_ = nullptr;
}

void HttpRequest::cancel() {
    release();
    state_ = HttpState::Idle;
    failure_ = HttpFailure::None;
    status_ = 0;
    body_.clear();
}

bool HttpRequest::start(const std::string& url, const HttpLimits& limits) {
    cancel();
    const auto fail = [this](HttpFailure why) {
        release();
        state_ = HttpState::Failed;
        failure_ = why;
        return false;
    };
    // Nothing but the two web schemes: no file://, no other protocol libcurl happens to know.
    if (!hasPrefix(url, "http://") && !hasPrefix(url, "https://")) return fail(HttpFailure::BadAddress);
    if (url.find_first_of(std::string("\r\n\0 ", 4)) != std::string::npos)
        return fail(HttpFailure::BadAddress);
    if (!curlReady()) return fail(HttpFailure::CannotStart);

    transfer_ = new Transfer;
    transfer_->easy = curl_easy_init();
    transfer_->multi = curl_multi_init();
    transfer_->body = &body_;
    transfer_->limit = size_t(std::max(0, limits.maxReplyBytes));
    if (!transfer_->easy || !transfer_->multi) return fail(HttpFailure::CannotStart);

    CURL* e = transfer_->easy;
    bool ok = curl_easy_setopt(e, CURLOPT_URL, url.c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_HTTPGET, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_USERAGENT, "Brickvale2") == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, long(std::max(1, limits.connectTimeoutMs))) ==
                   CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, long(std::max(1, limits.totalTimeoutMs))) == CURLE_OK;
    // A reply that announces its length is refused before its body is read.
    ok = ok && curl_easy_setopt(e, CURLOPT_MAXFILESIZE, long(transfer_->limit)) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Transfer::write) == CURLE_OK;
    ok = ok && curl_easy_setopt(e, CURLOPT_WRITEDATA, transfer_) == CURLE_OK;
    ok = ok && curl_multi_add_handle(transfer_->multi, e) == CURLM_OK;
    if (!ok) return fail(HttpFailure::CannotStart);
    state_ = HttpState::Running;
    return true;
}

HttpState HttpRequest::poll() {
    if (state_ != HttpState::Running) return state_;
    int running = 0;
    if (curl_multi_perform(transfer_->multi, &running) != CURLM_OK) {
        finish(CURLE_FAILED_INIT);
        return state_;
    }
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(transfer_->multi, &queued)) {
        if (msg->msg == CURLMSG_DONE) {
            finish(msg->data.result);
            break;
        }
    }
    return state_;
}

void HttpRequest::finish(int32_t curlCode) {
    const CURLcode code = static_cast<CURLcode>(curlCode);
    HttpFailure why = HttpFailure::None;
    if (transfer_->overflow || code == CURLE_FILESIZE_EXCEEDED)
        why = HttpFailure::TooLarge;
    else if (code == CURLE_OPERATION_TIMEDOUT)
        why = HttpFailure::TimedOut;
    else if (code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT)
        why = HttpFailure::Unreachable;
    else if (code == CURLE_URL_MALFORMAT || code == CURLE_UNSUPPORTED_PROTOCOL)
        why = HttpFailure::BadAddress;
    else if (code == CURLE_FAILED_INIT)
        why = HttpFailure::CannotStart;
    else if (code != CURLE_OK)
        why = HttpFailure::Transfer;

    if (why == HttpFailure::None) {
        long status = 0;
        curl_easy_getinfo(transfer_->easy, CURLINFO_RESPONSE_CODE, &status);
        status_ = int32_t(status);
        state_ = HttpState::Done;
    } else {
        // A refused or broken reply leaves nothing behind that could be mistaken for an answer.
        body_.clear();
        state_ = HttpState::Failed;
        failure_ = why;
    }
    release();
}

} // namespace bv::platform
