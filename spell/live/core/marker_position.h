// Where the last line's marker goes when its height cannot be taken from the
// font alone: measured from the pixels the control rendered. Window-free: the
// pixels come from a reader, which answers false for a pixel it cannot read.
#pragma once

#include <cstdint>
#include <functional>

#include "spell/live/core/line_scan.h"

namespace tq::spell {

using TPixelReader = std::function<bool(int32_t x, int32_t y, uint32_t& color)>;

// The marker position of the last line, relative to its top: rel (the font's
// guess) when the pixels confirm it, else the most common ink bottom under
// the misspelt word's columns xs … xe plus 4. Kept in entry unless the line
// changed.
int32_t LastLineMeasure(TLineCache* entry, bool changed, int32_t top, int32_t rel, int32_t xs, int32_t xe,
                        const TPixelReader& pixel);

}  // namespace tq::spell
