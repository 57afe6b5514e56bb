// The captions of the options window's boxes, which pages and JSON also
// print for the options a character was made with.
#pragma once

namespace orrimar {

inline constexpr int OptionBoxes = 16;

// The caption of box 0..15; "" for any other.
const char* OptionCaption(int box);

}  // namespace orrimar
