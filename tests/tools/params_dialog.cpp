// Shows the hotkey parameters dialog on a sample record, for a person to
// look at, or saves a picture of it and cancels it.
//
//   params_dialog launch|bind [PICTURE.bmp]
#include "model/HotKey.h"
#include "toolkit/Application.h"
#include "ui/TLmrDefParamsForm.h"

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::string picturePath;
TLmrDefParamsForm* dialog = nullptr;

void sample(HotKey& key, const std::string& kind) {
    key.setKeyLetter('Q');
    key.setCtrl(true);
    key.setShift(true);
    if (kind == "bind") {
        key.setBind(15);
        return;
    }
    key.setCommand("C:\\Program Files\\Lumaro\\Lumaro.html");
    key.setDirectory("C:\\Program Files\\Lumaro");
    key.setParameters("/help");
    key.setShowCmd(3);
}

// The window as it is on the screen, as a 24-bit bottom-up bitmap file.
void savePicture(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof info};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void CALLBACK takePicture(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND window = reinterpret_cast<HWND>(dialog->handle());
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    savePicture(window, picturePath);
    dialog->CancelButton.click();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string kind = __argc > 1 ? __argv[1] : "launch";
    picturePath = __argc > 2 ? __argv[2] : "";
    tk::Application& app = tk::Application::instance();
    app.setTitle("Lumaro");
    app.initialize();
    HotKey key;
    sample(key, kind);
    bool confirmed = false;
    app.runGuarded([&] {
        dialog = &app.createForm<TLmrDefParamsForm>();
        if (!picturePath.empty())
            SetTimer(nullptr, 0, 700, takePicture);
        confirmed = dialog->editHotKey(&key);
    });
    return confirmed ? 0 : 1;
}
