// What Windows reads from an exe's resources, as UTF-8 lines:
//
//   exe_info version EXE    NAME=VALUE for the version resource's strings
//                           and FileVersion=a.b.c.d from its fixed part
//   exe_info supported-os EXE   the supportedOS ids of its manifest, as the
//                           activation context built from it reports them
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring wideArgument(int index) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring argument = arguments && index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return argument;
}

std::string utf8(const wchar_t* text) {
    char buffer[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

int version(const std::wstring& exe) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    if (!size)
        return 1;
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, data.data()))
        return 1;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
        std::printf("FixedFileVersion=%u.%u.%u.%u\n", unsigned(HIWORD(fixed->dwFileVersionMS)),
                    unsigned(LOWORD(fixed->dwFileVersionMS)),
                    unsigned(HIWORD(fixed->dwFileVersionLS)),
                    unsigned(LOWORD(fixed->dwFileVersionLS)));
    struct Translation {
        WORD language, codePage;
    }* translations = nullptr;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation))
        return 1;
    std::printf("Translation=%04x%04x\n", translations->language, translations->codePage);
    for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"FileVersion",
                                L"FileDescription", L"CompanyName", L"Comments"}) {
        wchar_t path[128];
        swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations->language,
                 translations->codePage, name);
        wchar_t* value = nullptr;
        if (VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&value), &length) && value)
            std::printf("%s=%s\n", utf8(name).c_str(), utf8(value).c_str());
    }
    return 0;
}

int supportedOs(const std::wstring& exe) {
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    if (context == INVALID_HANDLE_VALUE)
        return 1;
    std::vector<char> buffer(4096);
    SIZE_T needed = 0;
    // 6: CompatibilityInformationInActivationContext.
    BOOL ok = QueryActCtxW(0, context, nullptr, 6, buffer.data(), buffer.size(), &needed);
    ReleaseActCtx(context);
    if (!ok)
        return 1;
    struct Element {
        GUID id;
        int type; // 1: supportedOS, 2: maxversiontested
    };
    DWORD count = *reinterpret_cast<DWORD*>(buffer.data());
    // Elements of the old layout follow the count directly; the current one
    // (Windows 10, Wine) adds a 64-bit MaxVersionTested to each, which aligns
    // them to 8 bytes. Tell them apart by the size reported.
    std::size_t offset = sizeof(DWORD), stride = sizeof(Element);
    if (count && needed != offset + count * stride) {
        offset = 8;
        stride = 32;
    }
    for (DWORD i = 0; i < count; ++i) {
        const auto* element = reinterpret_cast<const Element*>(buffer.data() + offset + i * stride);
        if (element->type != 1)
            continue;
        wchar_t text[64] = {};
        StringFromGUID2(element->id, text, 64);
        std::printf("%s\n", utf8(text).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "version" && argc == 3)
        return version(wideArgument(2));
    if (command == "supported-os" && argc == 3)
        return supportedOs(wideArgument(2));
    std::fprintf(stderr, "usage: exe_info version|supported-os EXE\n");
    return 2;
}
