#pragma once

namespace rt {

// Window and control geometry as the properties accept it. The limits are
// those of the form runtime, which keeps every edge well inside the 16-bit
// coordinate range that GDI and older window managers still truncate to.
inline constexpr int CoordinateLimit = 32627;

int ClampCoordinate(int value); // left, top: -32627 .. 32627
int ClampExtent(int value);     // width, height: 0 .. 32627

// The left or top edge that centres an extent on a screen extent; the
// division truncates toward zero, as in C.
inline int CentredEdge(int screenExtent, int extent) {
    return (screenExtent - extent) / 2;
}

} // namespace rt
