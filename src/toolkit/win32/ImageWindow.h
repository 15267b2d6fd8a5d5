#pragma once
#include "toolkit/win32/ControlWindow.h"

namespace tk {

class Image;

// An icon from the program's resources, loaded at the window's size.
class ImageWindow final : public ControlWindow {
public:
    ImageWindow(Image& image, HWND parent);
    ~ImageWindow() override;

    void changed(Aspect aspect) override;
    // The icon is loaded again at the new size, not stretched.
    void dpiChanged(int dpi) override;

protected:
    LRESULT procedure(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();
    void loadIcon();

    Image& image_;
    HICON icon_ = nullptr;
};

} // namespace tk
