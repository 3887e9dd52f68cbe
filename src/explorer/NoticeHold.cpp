#include "NoticeHold.h"

namespace {
int g_holds = 0;
}

TNoticeHold::TNoticeHold() {
    ++g_holds;
}

TNoticeHold::~TNoticeHold() {
    --g_holds;
}

bool TNoticeHold::Active() {
    return g_holds > 0;
}
