#pragma once
// The program's identity: what Windows shows as the caption of its message boxes, the
// name under which its settings are kept, and its version.

namespace app {
inline constexpr const wchar_t* kTitle = L"Quorvel - Vennick";
inline constexpr const wchar_t* kMaker = L"Quorvel";
inline constexpr const wchar_t* kProduct = L"Vennick";
inline constexpr const wchar_t* kVersionText = L"1.02.0024";
inline constexpr const wchar_t* kAuthor = L"Quorvel Software, 2026";
}  // namespace app
