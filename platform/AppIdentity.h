#pragma once
// The program's identity: what Windows shows as the caption of its message boxes, its
// name (the one its settings are kept under), and its version.
#include "AppVersion.h"
#include "platform/registry/SettingsNames.h"

namespace app {
inline constexpr const wchar_t* kTitle = L"Quorvel - Vennick";
inline constexpr const wchar_t* kProduct = settings_names::kProduct;
inline constexpr const wchar_t* kVersionText = L"" VENNICK_VERSION_TEXT;
inline constexpr const wchar_t* kAuthor = L"Quorvel Software, 2026";
}  // namespace app
