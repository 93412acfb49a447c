#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// What the tray icon's tooltip says: the window's caption, and the module specification after
// " :: " when there is one.
std::wstring TrayTooltip(std::wstring_view caption, std::wstring_view specification);

// The text cut to fit a buffer of `capacity` characters with its final NUL: a text
// that is too long ends in "…" and never in half of a surrogate pair.
std::wstring FitToCapacity(std::wstring_view text, std::size_t capacity);
