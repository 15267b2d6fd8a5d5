// The yardstick for Lumaro's start-up: the same start-up work written by hand
// with the system's own controls, one step after the other. The hidden owner
// and tray windows, the tray icon and "TaskbarCreated", the about box, the
// 208 atoms and probes, the definition window (26 rows of panel, label,
// drop-accepting edit and button, a tip per edit, the bottom label, panels
// and buttons), the parameters dialog with all its controls, one font on
// every control, the registry key read and the first page filled; then it
// waits for messages.
//
// With "define" on its command line it is the yardstick of the definition
// window instead: after the same start-up, with two filled pages, it times
// the window's first show, a show again and a page switch, prints them and
// ends.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

HINSTANCE instance;
HFONT font;
HWND tip;

// The definition window's rows, and the two pages it switches between:
// every letter without modifiers and with Ctrl.
struct Row {
    HWND label, edit, button;
    bool usable = true;
};
struct Definitions {
    HWND window, ctrl;
    Row rows[26];
    std::string commands[2][26];
    int page = 0;
} definitions;

LRESULT CALLBACK formProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Panels hold controls and draw a raised edge and their caption, as the
// program's panels do; a pressed one (its user data set) a sunken edge.
void paintPanel(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT rect;
    GetClientRect(window, &rect);
    bool pressed = GetWindowLongPtrW(window, GWLP_USERDATA) != 0;
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
    wchar_t caption[16];
    if (GetWindowTextW(window, caption, 16) > 0) {
        HGDIOBJ previous = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK panelProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        paintPanel(window);
        return 0;
    }
    if (msg == WM_COMMAND || msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC)
        return SendMessageW(GetParent(window), msg, wParam, lParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

void registerClasses() {
    WNDCLASSW form = {};
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = L"HandmadeForm";
    RegisterClassW(&form);
    WNDCLASSW panel = form;
    panel.lpfnWndProc = panelProc;
    panel.lpszClassName = L"HandmadePanel";
    RegisterClassW(&panel);
}

HWND control(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
             HWND parent, DWORD exStyle = 0) {
    HWND window = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                  parent, nullptr, instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

HWND panel(HWND parent, int x, int y, int w, int h, const wchar_t* text = L"", DWORD style = 0) {
    return control(L"HandmadePanel", text, style, x, y, w, h, parent, WS_EX_CONTROLPARENT);
}

HWND label(HWND parent, const wchar_t* text, int x, int y, int w, int h) {
    return control(L"STATIC", text, SS_LEFT | SS_NOPREFIX, x, y, w, h, parent);
}

HWND button(HWND parent, const wchar_t* text, int x, int y, int w, int h, DWORD style = 0) {
    return control(L"BUTTON", text, WS_TABSTOP | style, x, y, w, h, parent);
}

HWND edit(HWND parent, int x, int y, int w, int h) {
    HWND window =
        control(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, x, y, w, h, parent, WS_EX_CLIENTEDGE);
    SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    return window;
}

HWND form(const wchar_t* caption, int w, int h, HWND owner) {
    RECT rect = {0, 0, w, h};
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    AdjustWindowRectEx(&rect, style, FALSE, WS_EX_DLGMODALFRAME);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"HandmadeForm", caption, style, 0, 0,
                                  rect.right - rect.left, rect.bottom - rect.top, owner, nullptr,
                                  instance, nullptr);
    HICON big = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(big));
    return window;
}

void addTip(HWND owner, HWND tool) {
    TTTOOLINFOW info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND trayWindow(HWND owner) {
    HWND window = CreateWindowExW(0, L"HandmadeForm", L"Lumaro", WS_POPUP, 0, 0, 0, 0, owner,
                                  nullptr, instance, nullptr);
    RegisterWindowMessageA("TaskbarCreated");
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 100;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER + 1;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpyA(data.szTip, "Handmade");
    Shell_NotifyIconA(NIM_ADD, &data);
    return window;
}

void aboutBox(HWND owner) {
    HWND box = form(L"バージョン情報", 313, 157, owner);
    HWND frame = panel(box, 8, 8, 297, 105);
    control(L"STATIC", L"", SS_ICON, 32, 16, 32, 32, frame);
    label(frame, L"Lumaro", 104, 16, 60, 12);
    label(frame, L"Version 4.00", 120, 32, 80, 12);
    label(frame, L"Copyright", 32, 64, 238, 12);
    label(frame, L"Comments", 2, 79, 293, 24);
    button(box, L"OK", 119, 124, 75, 25, BS_DEFPUSHBUTTON);
}

void probeAll(HWND window) {
    static const char* const kSuffix[] = {"",      "_shift",      "_alt",      "_alt_shift",
                                          "_ctrl", "_ctrl_shift", "_ctrl_alt", "_ctrl_alt_shift"};
    static const UINT kMods[] = {8, 12, 9, 13, 10, 14, 11, 15};
    for (int set = 0; set < 8; ++set)
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            std::string name = std::string("Handmade_") + letter + kSuffix[set];
            ATOM atom = GlobalAddAtomA(name.c_str());
            if (atom &&
                RegisterHotKey(window, atom, kMods[set] | MOD_NOREPEAT, static_cast<UINT>(letter)))
                UnregisterHotKey(window, atom);
        }
}

void definitionWindow(HWND owner) {
    HWND window = definitions.window = form(L"Lumaro", 585, 448, owner);
    HWND base = panel(window, 0, 0, 585, 448);
    tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window,
                          nullptr, instance, nullptr);
    for (int i = 0; i < 26; ++i) {
        Row& r = definitions.rows[i];
        HWND row = panel(base, i < 13 ? 8 : 296, 4 + 31 * (i % 13), 281, 29);
        wchar_t letter[2] = {static_cast<wchar_t>(L'A' + i), 0};
        r.label = label(row, letter, 8, 8, 8, 12);
        r.edit = edit(row, 20, 4, 230, 20);
        DragAcceptFiles(r.edit, TRUE);
        addTip(window, r.edit);
        r.button = button(row, L"...", 256, 4, 21, 21);
    }
    label(base, L"HotKey Combination : ", 16, 416, 114, 12);
    // The page toggles are tab stops, as the program's are.
    definitions.ctrl = panel(base, 130, 414, 57, 21, L"CTRL", WS_TABSTOP);
    panel(base, 188, 414, 57, 21, L"ALT", WS_TABSTOP);
    panel(base, 246, 414, 57, 21, L"SHIFT", WS_TABSTOP);
    button(base, L"OK", 360, 416, 75, 25);
    button(base, L"Cancel", 448, 416, 75, 25);
}

void radioGroup(HWND parent, const wchar_t* caption, int x, int y, int w, int h, int items) {
    HWND group = control(L"BUTTON", caption, BS_GROUPBOX, x, y, w, h, parent);
    int columns = items > 3 ? 2 : 3;
    for (int i = 0; i < items; ++i)
        control(L"BUTTON", L"item", BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0),
                8 + (i % columns) * (w / columns), 16 + (i / columns) * 17, w / columns - 8, 17,
                group);
}

void parametersDialog(HWND owner) {
    HWND dialog = form(L"Lumaro", 453, 375, owner);
    HWND title = panel(dialog, 0, 0, 453, 25);
    label(title, L"HotKey :", 8, 6, 118, 12);
    label(title, L"Win + A", 128, 6, 225, 12);
    HWND base = panel(dialog, 0, 25, 453, 350);
    button(base, L"Lumaroで定義する", 8, 8, 225, 17, BS_AUTORADIOBUTTON | WS_GROUP);
    button(base, L"Lumaroポップアップキーにする", 8, 152, 281, 17, BS_AUTORADIOBUTTON);
    button(base, L"Windows標準のHotKeyへバインドする", 8, 178, 233, 17, BS_AUTORADIOBUTTON);
    HWND launch = panel(base, 16, 26, 425, 115);
    const wchar_t* captions[] = {L"実行ファイル", L"作業フォルダ", L"パラメータ"};
    for (int i = 0; i < 3; ++i) {
        label(launch, captions[i], 8, 10 + 23 * i, 80, 12);
        edit(launch, 96, 6 + 23 * i, 297, 20);
    }
    DragAcceptFiles(GetDlgItem(launch, 0), TRUE);
    button(launch, L"...", 396, 6, 21, 21);
    radioGroup(launch, L" 実行時の大きさ ", 32, 76, 361, 33, 3);
    radioGroup(base, L"", 16, 192, 425, 121, 11);
    HWND number = edit(base, 296, 274, 33, 20);
    HWND upDown = control(UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 329,
                          274, 16, 20, base);
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(number), 0);
    SendMessageW(upDown, UDM_SETRANGE32, 10, 31);
    button(base, L"OK", 144, 318, 75, 25, BS_DEFPUSHBUTTON);
    button(base, L"Cancel", 232, 318, 75, 25);
}

// A row's usable look changes only when its state does.
void setUsable(Row& row, bool usable) {
    if (usable == row.usable)
        return;
    row.usable = usable;
    EnableWindow(row.label, usable);
    EnableWindow(row.edit, usable);
    EnableWindow(row.button, usable);
    SendMessageW(row.edit, EM_SETREADONLY, !usable, 0);
}

// Each row's command, with the command as its tip.
void fillPage() {
    for (int i = 0; i < 26; ++i) {
        Row& row = definitions.rows[i];
        setUsable(row, true);
        const std::string& command = definitions.commands[definitions.page][i];
        SetWindowTextA(row.edit, command.c_str());
        TTTOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.hwnd = definitions.window;
        info.uId = reinterpret_cast<UINT_PTR>(row.edit);
        info.lpszText = const_cast<char*>(command.c_str());
        SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

// The rows go back into the page they show; the other page is shown and the
// CTRL panel pressed or released with it.
void switchPage() {
    char text[MAX_PATH];
    for (int i = 0; i < 26; ++i) {
        GetWindowTextA(definitions.rows[i].edit, text, sizeof text);
        definitions.commands[definitions.page][i] = text;
    }
    definitions.page = !definitions.page;
    SetWindowLongPtrW(definitions.ctrl, GWLP_USERDATA, definitions.page);
    InvalidateRect(definitions.ctrl, nullptr, TRUE);
    fillPage();
}

// The definitions as the program reads them: the count, then each item's
// values; the first page shows what it found.
void readAndFill() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QelApp\\Handmade\\HotKeys", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD count = 0, size = sizeof count;
    RegQueryValueExA(key, "Count", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size);
    RegCloseKey(key);
    fillPage();
}

double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Until the window has painted and nothing is left to do.
template <typename F> double timed(F action) {
    double start = nowMs();
    action();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return nowMs() - start;
}

// Centred on the screen, in front, with the keyboard on the first row.
void showDefinitions() {
    RECT rect;
    GetWindowRect(definitions.window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    SetWindowPos(definitions.window, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE);
    ShowWindow(definitions.window, SW_SHOWNORMAL);
    SetForegroundWindow(definitions.window);
    SetFocus(definitions.rows[0].edit);
}

// A move to a monitor of another DPI, by hand: every control of the
// definition window at its first rectangle scaled, in a font made once for
// that DPI, and the window sized to the scaled client area.
struct Placed {
    HWND window;
    RECT at96;
};
std::vector<Placed> placedAt96;
std::map<int, HFONT> fontsByDpi;

BOOL CALLBACK recordPlace(HWND window, LPARAM) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    placedAt96.push_back({window, rect});
    return TRUE;
}

void relayOutAt(int dpi) {
    if (placedAt96.empty())
        EnumChildWindows(definitions.window, recordPlace, 0);
    HFONT& scaled = fontsByDpi[dpi];
    if (!scaled)
        scaled = CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
    for (const Placed& placed : placedAt96) {
        const RECT& r = placed.at96;
        SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
        SetWindowPos(placed.window, nullptr, MulDiv(r.left, dpi, 96), MulDiv(r.top, dpi, 96),
                     MulDiv(r.right - r.left, dpi, 96), MulDiv(r.bottom - r.top, dpi, 96),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(placed.window, nullptr, TRUE);
    }
    RECT rect = {0, 0, MulDiv(585, dpi, 96), MulDiv(448, dpi, 96)};
    AdjustWindowRectEx(&rect, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, FALSE,
                       WS_EX_DLGMODALFRAME);
    SetWindowPos(definitions.window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The same definitions as the benchmark of the program's window.
void seedTwoPages() {
    for (int i = 0; i < 52; ++i)
        definitions.commands[i / 26][i % 26] = "C:\\Programs\\tool" + std::to_string(i) + ".exe";
}

void timeDefinitionWindow() {
    double first = timed(showDefinitions);
    timed([] { ShowWindow(definitions.window, SW_HIDE); });
    double again = timed(showDefinitions);
    const int switches = 20;
    double page = 0;
    for (int i = 0; i < switches; ++i)
        page += timed(switchPage);
    const int moves = 10;
    double dpi = 0;
    for (int i = 0; i < moves; ++i)
        dpi += timed([] { relayOutAt(144); }) + timed([] { relayOutAt(96); });
    std::printf("hand-written definition window: first show %.1f ms, shown again %.1f ms, page "
                "switch with 26 filled rows %.1f ms (mean of %d), DPI change %.1f ms (mean of %d "
                "to 144 and back)\n",
                first, again, page / switches, switches, dpi / (2 * moves), moves);
    std::fflush(stdout);
}

} // namespace

int WINAPI WinMain(HINSTANCE self, HINSTANCE, LPSTR commandLine, int) {
    instance = self;
    bool timing = std::strstr(commandLine, "define") != nullptr;
    if (timing)
        seedTwoPages();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    registerClasses();
    font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                       L"ＭＳ Ｐゴシック");
    HWND owner = CreateWindowExW(0, L"HandmadeForm", L"Lumaro", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, instance, nullptr);
    HWND tray = trayWindow(owner);
    aboutBox(owner);
    probeAll(tray);
    definitionWindow(owner);
    parametersDialog(owner);
    readAndFill();
    if (timing) {
        timeDefinitionWindow();
        return 0;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
