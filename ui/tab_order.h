#pragma once

// Tab goes to the nearest eligible control before `from` in the page's list and wraps from
// the first to the last; Shift+Tab goes the other way. from -1: no control has the focus.
// Returns -1 when no control is eligible.
int NextTabStop(const bool* eligible, int count, int from, bool backwards);
