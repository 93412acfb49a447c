#pragma once
#include <string>
#include <string_view>

// The about box: a modal box owned by the main window with the program's icon, name,
// version, the given text (when not empty) and the author string.
class AboutBox {
public:
    static std::wstring Text(std::wstring_view text, std::wstring_view author);
    void ShowAbout(std::wstring_view text, std::wstring_view author) const;
};
