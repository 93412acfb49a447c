#pragma once
// The program's identity: what Windows shows as the caption of its message boxes, the
// name under which its settings are kept, and its version.
#include "AppVersion.h"

namespace app {
inline constexpr const wchar_t* kTitle = L"Quorvel - Vennick";
inline constexpr const wchar_t* kMaker = L"Quorvel";
inline constexpr const wchar_t* kProduct = L"Vennick";
inline constexpr const wchar_t* kVersionText = L"" VENNICK_VERSION_TEXT;
inline constexpr const wchar_t* kAuthor = L"Quorvel Software, 2026";
}  // namespace app
