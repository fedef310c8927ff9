// The flat look of the standard controls: every child window of the thread,
// those that exist and those created later, has its frame drawn as a thin
// line of one colour instead of the sunken or raised 3-D edge.
#pragma once

namespace velkarin::ui::win32 {

// Switches the look on for the calling thread in one of the three styles;
// false for a style without a drawing.
bool EnableFlatLook(int style);

}  // namespace velkarin::ui::win32
