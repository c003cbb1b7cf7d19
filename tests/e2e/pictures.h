// What the pages draw, checked on a screenshot: the welcome page's banner and logo, the
// progress page's strip. Points are in a page's client area at `client`.
#pragma once

#include "screenshot.h"
#include "wine.h"

// The logo: a 16 x 16 red square at 32,200 with a white glyph inside, none of it outside.
void ExpectLogo(const Screenshot& shot, const Box& client);
// The banner stretched over its box at 1,25 159 x 286: sky blue at the top, green at the foot,
// where an empty picture box would show button face.
void ExpectBanner(const Screenshot& shot, const Box& client);
// The full strip at 21,105, 425 x 15: its rows' colours across its width, nothing beyond.
void ExpectFullStrip(const Screenshot& shot, const Box& client);
