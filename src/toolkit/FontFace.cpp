#include "toolkit/FontFace.h"

#include <array>

namespace tk {

namespace {

// Proportional faces first, as the requested one is proportional.
constexpr std::array<std::string_view, 10> kJapaneseFaces = {
    "ＭＳ Ｐゴシック", "MS PGothic", "MS UI Gothic",  "Meiryo UI", "Yu Gothic UI",
    "Meiryo",          "IPAPGothic", "ＭＳ ゴシック", "MS Gothic", "IPAGothic",
};

} // namespace

std::string chooseFontFace(std::string_view requested,
                           const std::function<bool(std::string_view)>& installed) {
    if (!requested.empty() && installed(requested))
        return std::string(requested);
    for (std::string_view face : kJapaneseFaces) {
        if (installed(face))
            return std::string(face);
    }
    return {};
}

} // namespace tk
