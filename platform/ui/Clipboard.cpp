#include "Clipboard.h"

#include <cstring>

#include "platform/UniqueResource.h"

namespace {

// Another program may hold the clipboard for a moment.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPauseMs = 20;

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner)
    {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(kOpenPauseMs);
        }
    }
    ~OpenedClipboard()
    {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace

DWORD PutTextOnClipboard(HWND owner, std::wstring_view text)
{
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return GetLastError();
    auto* const characters = static_cast<wchar_t*>(GlobalLock(memory.get()));
    if (characters == nullptr) return GetLastError();
    std::memcpy(characters, text.data(), text.size() * sizeof(wchar_t));
    characters[text.size()] = L'\0';
    GlobalUnlock(memory.get());
    const OpenedClipboard clipboard(owner);
    if (!clipboard || !EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
        return GetLastError();  // read before the clipboard closes and the memory goes
    }
    memory.release();  // the clipboard owns it now
    return ERROR_SUCCESS;
}
