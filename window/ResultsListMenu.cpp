#include "ResultsListMenu.h"

#include "platform/SystemError.h"
#include "platform/UniqueResource.h"

ResultsListCommand ShowResultsListMenu(HWND owner, ResultsListView& results, POINT at)
{
    if (at.x == -1 && at.y == -1) at = results.View().KeyboardMenuPoint();
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) ThrowLastError(L"CreatePopupMenu");
    const UINT copyState = results.View().SelectedItems().empty() ? MF_GRAYED : MF_ENABLED;
    AppendMenuW(menu.get(), MF_STRING | copyState, static_cast<UINT>(ResultsListCommand::Copy), L"Копировать\tCtrl+C");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    bool oldCopies = false;
    for (std::size_t index = 0; index < results.Count() && !oldCopies; ++index) oldCopies = RunsOldCopy(results.Row(index));
    AppendMenuW(menu.get(), MF_STRING | (oldCopies ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT>(ResultsListCommand::KeepOldCopies), L"Оставить только строки со старой копией");
    return static_cast<ResultsListCommand>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
}
