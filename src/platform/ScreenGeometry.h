#pragma once
// Places on the virtual screen, in pixels, as Win32 hands them over.
#include <cstdint>

namespace platform {

// RECT, field for field.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const ScreenRect&) const = default;
};

// POINT, field for field.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

} // namespace platform
