// Layout units of the form against the window's pixels.
#pragma once

inline constexpr int UnitsPerPixel = 10; // a 500-unit cell is 50 pixels square

inline constexpr int toPixels(int units) {
    return units / UnitsPerPixel;
}
inline constexpr int toUnits(int pixels) {
    return pixels * UnitsPerPixel;
}
