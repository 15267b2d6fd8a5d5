#pragma once

// The window message numbers the portable toolkit and its users need,
// with the values <windows.h> gives them.
namespace tk::msg {

constexpr unsigned kNull = 0x0000;
constexpr unsigned kUser = 0x0400;
constexpr unsigned kApp = 0x8000;

} // namespace tk::msg
