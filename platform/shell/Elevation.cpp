#include "Elevation.h"

#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "platform/UniqueResource.h"
#include "platform/shell/ComPointer.h"
#include "platform/shell/ProgramStart.h"

namespace {

// A BSTR, or a VARIANT that holds one, for the length of a call.
struct BstrVariant {
    explicit BstrVariant(const std::wstring& text)
    {
        VariantInit(&variant);
        variant.vt = VT_BSTR;
        variant.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    ~BstrVariant() { VariantClear(&variant); }
    BstrVariant(const BstrVariant&) = delete;
    BstrVariant& operator=(const BstrVariant&) = delete;
    VARIANT variant;
};

// The desktop's shell, as Explorer runs it for the user: its IShellDispatch2.
ComPointer<IShellDispatch2> DesktopShell()
{
    ComPointer<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                windows.PutVoid()))) {
        return {};
    }
    VARIANT none;
    VariantInit(&none);
    long window = 0;
    ComPointer<IDispatch> desktop;
    if (windows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, desktop.Put()) != S_OK) return {};
    ComPointer<IServiceProvider> services = desktop.As<IServiceProvider>(IID_IServiceProvider);
    ComPointer<IShellBrowser> browser;
    if (!services || FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.PutVoid()))) {
        return {};
    }
    ComPointer<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(view.Put()))) return {};
    ComPointer<IDispatch> background;
    if (FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.PutVoid()))) return {};
    ComPointer<IShellFolderViewDual> folderView = background.As<IShellFolderViewDual>(IID_IShellFolderViewDual);
    ComPointer<IDispatch> application;
    if (!folderView || FAILED(folderView->get_Application(application.Put()))) return {};
    return application.As<IShellDispatch2>(IID_IShellDispatch2);
}

class SystemElevation final : public Elevation {
public:
    bool IsElevated() override
    {
        HANDLE rawToken = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken)) return false;
        const UniqueHandle token(rawToken);
        TOKEN_ELEVATION elevation{};
        DWORD size = 0;
        return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
               elevation.TokenIsElevated != 0;
    }
    DWORD StartElevated(HWND owner, const std::wstring& program, const std::wstring& arguments,
                        const std::wstring& folder) override
    {
        return ExecuteThroughShell(owner, L"runas", program, arguments, folder, SW_SHOWNORMAL);
    }
    DWORD StartDirectly(HWND owner, const std::wstring& program, const std::wstring& folder) override
    {
        return ExecuteThroughShell(owner, L"open", program, L"", folder, SW_SHOWDEFAULT);
    }
    DWORD StartThroughDesktop(const std::wstring& program, const std::wstring& folder) override
    {
        const ComPointer<IShellDispatch2> shell = DesktopShell();
        if (!shell) return ERROR_NOT_SUPPORTED;
        const BstrVariant file(program), arguments(L""), directory(folder), operation(L"open");
        VARIANT show;
        VariantInit(&show);
        show.vt = VT_I4;
        show.lVal = SW_SHOWDEFAULT;
        const HRESULT started =
            shell->ShellExecute(file.variant.bstrVal, arguments.variant, directory.variant, operation.variant, show);
        if (SUCCEEDED(started)) return ERROR_SUCCESS;
        return HRESULT_FACILITY(started) == FACILITY_WIN32 ? static_cast<DWORD>(HRESULT_CODE(started)) : ERROR_GEN_FAILURE;
    }
    bool AllowMessageFromFewerRights(HWND window, UINT message) override
    {
        return ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr) != FALSE;
    }
};

}  // namespace

template <>
Elevation& Seam<Elevation>::Default()
{
    static SystemElevation elevation;
    return elevation;
}
