#pragma once

// Folder change notices wait while one of these lives. Message boxes, menus and drags run
// their own event loops; a refresh delivered inside such a loop would free tree nodes and
// list items that the code waiting for the loop still holds. Nests; GUI thread only.
class TNoticeHold {
public:
    TNoticeHold();
    ~TNoticeHold();
    TNoticeHold(const TNoticeHold&) = delete;
    TNoticeHold& operator=(const TNoticeHold&) = delete;

    static bool Active();
};
