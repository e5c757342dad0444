// Handing the segment and quad buffers to the scripts in region pixels.
//
// 下上画1丅一乛 works on 线画G (2 output slots per item) and 乛画G (4 slots per
// item), each on its own:
//   - count ≥ 0: with a null output array nothing of that buffer is written;
//     otherwise item i fills out[(i·k + j)·2 …] for its points j: projected
//     with the 3D view cached by b凷rv3d when the item's first two points
//     differ, else (0, 0).  Points per item: the first item's length, at most
//     k and at most the item's own length, so no item writes into another's
//     slots.  A point that cannot be projected (no cached view, or at or
//     behind the eye) gets (kUnprojectedPixel, kUnprojectedPixel).
//   - then the count goes to counts[index] and the colour (4 floats) to the
//     colour output, each when given; a negative index is reported and writes
//     no count.
#pragma once

#include <cstdint>

namespace lumo {

void 下上画1丅一乛(std::int32_t index, std::int32_t* segment_counts, float* segment_out, float* segment_colour,
                 std::int32_t* quad_counts, float* quad_out, float* quad_colour);

}  // namespace lumo
