#pragma once

namespace tk {

// The system colours the forms use, numbered as GetSysColor numbers them.
enum class SysColor {
    Window = 5,
    WindowText = 8,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    BtnHighlight = 20,
    Highlight = 13,
    HighlightText = 14,
};

} // namespace tk
