#pragma once

#include <cstdint>

#include "ui/control_def.h"

// Colour of the pixel row at distance y from the gradient's starting edge, for a label of the
// given height; the integer rule keeps every channel rounded toward zero.
uint32_t GradientRow(const Gradient& gradient, int height, int y);

// Fills rows[0..height) from the top edge down; false when the gradient has fewer than two
// colours and the label shows its background colour instead.
bool GradientRowsTopDown(const Gradient& gradient, int height, uint32_t* rows);
