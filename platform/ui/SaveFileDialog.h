#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Seam.h"

// What the save dialog is asked with. The filter lists pairs of a display name and
// its patterns, separated by vertical bars ("Text|*.txt|All|*.*").
struct SaveDialogRequest {
    std::wstring defaultExtension;
    std::wstring filter;
    HWND owner = nullptr;
    std::wstring initialFolder;
};

// The system's save dialog; a seam, so that tests can answer it.
class SaveDialogs {
public:
    virtual ~SaveDialogs() = default;
    // The full path the user confirmed; nullopt when the dialog was cancelled.
    virtual std::optional<std::wstring> ShowSave(const SaveDialogRequest& request) = 0;
};
template <>
SaveDialogs& Seam<SaveDialogs>::Default();

// The save-file dialog: set its fields, show it, then read the chosen file. The first
// filter entry is selected; a name typed without extension gets the default extension;
// an existing file is replaced only after the user agreed.
class SaveFileDialog {
public:
    std::wstring defaultExtension;
    std::wstring filter;
    HWND owner = nullptr;
    std::wstring initialFolder;

    // True when the user confirmed a file.
    bool Show();
    // The chosen file's full path, and its folder.
    const std::wstring& FileName() const { return fileName_; }
    std::wstring Folder() const;

private:
    std::wstring fileName_;
};
