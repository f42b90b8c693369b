#include "sim/notices.h"

namespace bv {

namespace {

NoticePresenter g_presenter = nullptr;
Notice g_log[kNoticeLogSize];
int32_t g_first = 0; // the oldest entry
int32_t g_count = 0;

} // namespace

void setNoticePresenter(NoticePresenter presenter) {
    g_presenter = presenter;
}

int32_t raiseNotice(const Notice& notice) {
    if (g_count < kNoticeLogSize) {
        g_log[(g_first + g_count) % kNoticeLogSize] = notice;
        ++g_count;
    } else {
        g_log[g_first] = notice;
        g_first = (g_first + 1) % kNoticeLogSize;
    }
    return g_presenter ? g_presenter(notice) : 0;
}

int32_t loggedNotices() {
    return g_count;
}

const Notice& loggedNotice(int32_t index) {
    static const Notice kNone{};
    if (index < 0 || index >= g_count) return kNone;
    return g_log[(g_first + index) % kNoticeLogSize];
}

void clearNoticeLog() {
    g_first = 0;
    g_count = 0;
}

} // namespace bv
