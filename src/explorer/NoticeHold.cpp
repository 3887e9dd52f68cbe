#include "NoticeHold.h"

namespace {
// Every nested event loop runs on the one GUI thread and delivers the timers of every view,
// whichever view opened it: the count is the thread's, not a view's.
int g_holds = 0;
} // namespace

TNoticeHold::TNoticeHold() {
    ++g_holds;
}

TNoticeHold::~TNoticeHold() {
    --g_holds;
}

bool TNoticeHold::Active() {
    return g_holds > 0;
}
