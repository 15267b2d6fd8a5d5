#pragma once

namespace tk {

// The keys the toolkit handles itself rather than leaving them to the
// focused control's window.
enum class Key { Tab, Enter, Escape, Space, Left, Up, Right, Down };

constexpr char32_t kCharEnter = 13;
constexpr char32_t kCharBackspace = 8;

} // namespace tk
