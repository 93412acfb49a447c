#include "SaveFileDialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/text/TextOperations.h"
#include "platform/ProgramError.h"

namespace {

class SystemSaveDialogs final : public SaveDialogs {
public:
    std::optional<std::wstring> ShowSave(const SaveDialogRequest& request) override
    {
        // The dialog wants the filter's parts separated by NULs and ended by two.
        std::wstring filter = request.filter;
        for (wchar_t& c : filter) {
            if (c == L'|') c = L'\0';
        }
        filter.append(2, L'\0');

        std::vector<wchar_t> file(32'768, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = request.owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
        dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        // NOCHANGEDIR: the process's current directory stays what it was.
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
        if (GetSaveFileNameW(&dialog)) return std::wstring(file.data());
        const DWORD failure = CommDlgExtendedError();
        if (failure != 0) {
            throw ProgramError(L"Окно сохранения файла не открылось (ошибка " + std::to_wstring(failure) + L").");
        }
        return std::nullopt;
    }
};

}  // namespace

template <>
SaveDialogs& Seam<SaveDialogs>::Default()
{
    static SystemSaveDialogs dialogs;
    return dialogs;
}

bool SaveFileDialog::Show()
{
    const std::optional<std::wstring> chosen =
        Seam<SaveDialogs>::Current().ShowSave({defaultExtension, filter, owner, initialFolder});
    if (!chosen) return false;
    fileName_ = *chosen;
    return true;
}

std::wstring SaveFileDialog::Folder() const { return FolderOf(fileName_); }
