#pragma once

// A scroll bar's range, whose minimum is always 0: the maximum, the page
// step (at least 1, as a page step of 0 would never move) and whether the
// bar is enabled.
struct ScrollRange {
    int max = 0;
    int largeChange = 1;
    bool enabled = false;
};
