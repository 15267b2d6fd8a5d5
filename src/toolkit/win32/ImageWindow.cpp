#include "toolkit/win32/ImageWindow.h"

#include "toolkit/Image.h"

namespace tk {

ImageWindow::ImageWindow(Image& image, HWND parent) : ControlWindow(image), image_(image) {
    createChild(L"TkImage", nullptr, "", 0, 0, parent);
    loadIcon();
}

ImageWindow::~ImageWindow() {
    if (icon_)
        DestroyIcon(icon_);
}

void ImageWindow::changed(Aspect aspect) {
    if (aspect == Aspect::Look) {
        loadIcon();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
    ControlWindow::changed(aspect);
}

void ImageWindow::dpiChanged(int dpi) {
    ControlWindow::dpiChanged(dpi);
    loadIcon();
}

void ImageWindow::loadIcon() {
    if (icon_)
        DestroyIcon(icon_);
    icon_ = nullptr;
    if (image_.iconResource() == 0)
        return;
    RECT client;
    GetClientRect(hwnd(), &client);
    icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                          MAKEINTRESOURCEW(image_.iconResource()), IMAGE_ICON,
                                          client.right, client.bottom, LR_DEFAULTCOLOR));
}

LRESULT ImageWindow::procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        return onPaint();
    default:
        return ControlWindow::procedure(msg, wParam, lParam);
    }
}

LRESULT ImageWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT client;
    GetClientRect(hwnd(), &client);
    if (icon_)
        DrawIconEx(dc, 0, 0, icon_, client.right, client.bottom, 0, nullptr, DI_NORMAL);
    EndPaint(hwnd(), &paint);
    return 0;
}

} // namespace tk
