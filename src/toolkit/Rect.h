#pragma once

namespace tk {

// A position and size in pixels at 96 DPI, as the form layouts give them.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

} // namespace tk
