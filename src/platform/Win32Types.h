#pragma once
// Portable spellings of the few Win32 types and constants the seam needs.
// Portable code never includes <windows.h>; these carry the same values.
#include <cstdint>

namespace platform {

using Dword = std::uint32_t;
using Handle = std::uintptr_t; // HKEY, HWND, HGLOBAL ... as an integer
using RegHandle = Handle;

constexpr RegHandle kHkeyCurrentUser = 0x80000001u;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;
constexpr long kErrorKeyDeleted = 1018;

constexpr Dword kRegNone = 0;
constexpr Dword kRegSz = 1;
constexpr Dword kRegExpandSz = 2;
constexpr Dword kRegBinary = 3;
constexpr Dword kRegDword = 4;
constexpr Dword kRegMultiSz = 7;

constexpr Dword kKeyAllAccess = 0xF003F;
constexpr Dword kRegOptionNonVolatile = 0;
constexpr Dword kRegCreatedNewKey = 1;
constexpr Dword kRegOpenedExistingKey = 2;

constexpr Dword kWaitObject0 = 0;
constexpr Dword kWaitAbandoned = 0x80;
constexpr Dword kWaitTimeout = 0x102;
constexpr Dword kInfinite = 0xFFFFFFFF;

} // namespace platform
