#pragma once
// The main window's fixed design: its caption, its controls in tab order with their
// captions and places, the background band, and the results list's columns. Places are
// in twips from the client area's top left corner.

namespace main_window {

inline constexpr const wchar_t* kCaption = L"Vennick";
inline constexpr int kClientWidthTwips = 7455;
inline constexpr int kClientHeightTwips = 5955;

// The window's font, used by every control.
inline constexpr const wchar_t* kFontFace = L"Tahoma";
inline constexpr int kFontPoints = 9;
inline constexpr int kFontWeight = 400;
inline constexpr int kFontCharset = 204;  // Cyrillic

// What a development run finds in the module specification box.
inline constexpr const wchar_t* kSampleSpecification = L"Mereholt0301.DLL";

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// Child-window identifiers; their order is the tab order.
enum class Control : int {
    Label = 100,
    SpecificationBox,
    SearchButton,
    ResultsList,
    SaveBatchButton,
    TerminateButton,
    RelaunchButton,
};

struct ControlDesign {
    Control id;
    const wchar_t* caption;
    TwipRect place;
};

inline constexpr ControlDesign kControls[] = {
    {Control::Label, L"Имя файла модуля:", {180, 120, 1695, 210}},
    {Control::SpecificationBox, L"", {120, 360, 5835, 375}},
    {Control::SearchButton, L"Найти", {6060, 360, 1275, 375}},
    {Control::ResultsList, L"", {120, 840, 7215, 4455}},
    {Control::SaveBatchButton, L"Сохранить BAT", {3000, 5400, 1575, 435}},
    {Control::TerminateButton, L"Завершить", {4680, 5400, 1275, 435}},
    {Control::RelaunchButton, L"Запустить", {6060, 5400, 1275, 435}},
};

// Enter presses it when the focus is on no other button.
inline constexpr Control kDefaultButton = Control::SearchButton;

// The band behind the label: button-face fill, one-pixel button-text outline; only its
// right-hand edge falls inside the client area.
inline constexpr TwipRect kBackgroundBand = {-60, -60, 2295, 6195};

struct ColumnDesign {
    const wchar_t* header;
    int widthTwips;
};

inline constexpr ColumnDesign kResultsColumns[] = {
    {L"Имя процесса", 2445},
    {L"Версия модуля", 1590},
    {L"Полное имя файла модуля", 6400},
};

// The name under which the results list's column widths are kept (a registry subkey of
// the program's settings).
inline constexpr const wchar_t* kResultsListName = L"Processes List";

}  // namespace main_window
