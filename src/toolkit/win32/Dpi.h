#pragma once

namespace tk {

// Scales a length given at 96 DPI to the screen's pixels.
int scaleFrom96Dpi(int pixels);

} // namespace tk
