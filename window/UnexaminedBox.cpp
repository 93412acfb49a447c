#include "UnexaminedBox.h"

#include "platform/SystemError.h"
#include "resources/ResourceIds.h"

namespace {

INT_PTR CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetDlgItemTextW(box, IDC_UNEXAMINED_LIST, reinterpret_cast<const std::wstring*>(lParam)->c_str());
        return TRUE;  // the list has the focus, its text selected
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(box, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowUnexaminedBox(HWND owner, const std::wstring& list)
{
    if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_UNEXAMINED), owner, BoxProcedure,
                        reinterpret_cast<LPARAM>(&list)) == -1) {
        ThrowLastError(L"DialogBoxParam");
    }
}
