#pragma once
// Texts (UTF-16, as Windows holds them) as the bytes a redirected stream or a file takes.
#include <cstddef>
#include <string>
#include <string_view>

// The byte-order mark that tells a Windows program (PowerShell 5.1, Excel, Notepad) a file is UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text in UTF-8. A surrogate pair is one character of four bytes; a lone surrogate,
// which UTF-8 cannot hold, becomes U+FFFD (EF BF BD), so that it is seen, never dropped.
std::string Utf8FromUtf16(std::wstring_view text);

// How many characters the text shows: a surrogate pair counts once, a lone surrogate once.
std::size_t CodePointCount(std::wstring_view text);
