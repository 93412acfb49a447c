#pragma once
// The main window's fixed design: its caption, its controls in tab order with their
// captions and places, the background band, and the results list's columns. Places are
// in twips from the client area's top left corner.

#include "search/ResultColumns.h"

namespace main_window {

inline constexpr const wchar_t* kCaption = L"Vennick";
inline constexpr int kClientWidthTwips = 7455;
// 5955 for the controls above the status band, 690 for the band's three lines.
inline constexpr int kClientHeightTwips = 6645;

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
    Status,            // the status band: what the last search found and could not examine
    UnexaminedButton,  // shown when some process could not be examined: lists them
    ElevateButton,     // shown without elevation when some process refused: searches again with full rights
};

// What a control is: the class it is created with, and what it does with the keyboard.
enum class ControlKind {
    Label,       // text on one line, clipped where it does not fit, never wrapped
    Text,        // text that wraps to more lines when it needs them
    TextBox,     // a single-line text box
    PushButton,  // a command: a click or, when it has the focus, Enter presses it
    ReportList,  // a list view in report view
};

// How a control is when the window opens.
enum class ControlStart {
    Enabled,
    Disabled,  // until what it acts on exists
    Hidden,    // until it has something to offer
};

struct ControlDesign {
    Control id;
    ControlKind kind;
    ControlStart start;
    const wchar_t* caption;
    TwipRect place;
};

inline constexpr ControlDesign kControls[] = {
    {Control::Label, ControlKind::Label, ControlStart::Enabled, L"Имя файла модуля:", {180, 120, 1695, 210}},
    {Control::SpecificationBox, ControlKind::TextBox, ControlStart::Enabled, L"", {120, 360, 5835, 375}},
    {Control::SearchButton, ControlKind::PushButton, ControlStart::Disabled, L"Найти", {6060, 360, 1275, 375}},
    {Control::ResultsList, ControlKind::ReportList, ControlStart::Enabled, L"", {120, 840, 7215, 4455}},
    {Control::SaveBatchButton, ControlKind::PushButton, ControlStart::Disabled, L"Сохранить BAT", {3000, 5400, 1575, 435}},
    {Control::TerminateButton, ControlKind::PushButton, ControlStart::Disabled, L"Завершить", {4680, 5400, 1275, 435}},
    {Control::RelaunchButton, ControlKind::PushButton, ControlStart::Disabled, L"Запустить", {6060, 5400, 1275, 435}},
    {Control::Status, ControlKind::Text, ControlStart::Enabled, L"", {120, 5970, 4335, 660}},
    {Control::UnexaminedButton, ControlKind::PushButton, ControlStart::Hidden, L"Подробнее…", {4560, 6105, 1095, 375}},
    {Control::ElevateButton, ControlKind::PushButton, ControlStart::Hidden, L"Проверить все", {5760, 6105, 1575, 375}},
};

// Enter presses it when the focus is on no other button.
inline constexpr Control kDefaultButton = Control::SearchButton;

// The band behind the label: button-face fill, one-pixel button-text outline; only its
// right-hand edge falls inside the client area above the status band.
inline constexpr TwipRect kBackgroundBand = {-60, -60, 2295, 6195};

// The status band along the bottom: button-face fill under a one-pixel button-shadow line.
inline constexpr TwipRect kStatusBand = {0, 5955, 7455, 690};

// The results list's columns: their headers and design widths.
inline constexpr const auto& kResultsColumns = kResultColumns;

}  // namespace main_window
