#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace tk {

// Picks the face to ask the system for: the one requested if it is
// installed, else the first installed of the usual Japanese UI faces, else
// "" to let the font mapper choose by character set alone.
std::string chooseFontFace(std::string_view requested,
                           const std::function<bool(std::string_view)>& installed);

} // namespace tk
