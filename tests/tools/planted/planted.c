/* A stand-in for a DLL planted beside an exe: when any process loads it, it
   appends its own full name to the file that LUMARO_PLANT_LOG names. It
   exports nothing, so a program that really needed it would fail. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char log[MAX_PATH] = {0}, name[MAX_PATH] = {0};
        DWORD written = 0;
        HANDLE file;
        if (!GetEnvironmentVariableA("LUMARO_PLANT_LOG", log, MAX_PATH))
            return TRUE;
        GetModuleFileNameA(self, name, MAX_PATH);
        file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            WriteFile(file, name, lstrlenA(name), &written, NULL);
            WriteFile(file, "\r\n", 2, &written, NULL);
            CloseHandle(file);
        }
    }
    return TRUE;
}
