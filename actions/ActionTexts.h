#pragma once
// The texts of the actions on the listed processes: confirmations, reports, and the
// save dialog's settings.
#include <cstdint>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace action_texts {

// The confirmations; `services`, when there are any, are named in a paragraph of their own.
std::wstring TerminateConfirmation(const std::vector<std::wstring>& services = {});
std::wstring RelaunchConfirmation(const std::vector<std::wstring>& services = {});

inline constexpr const wchar_t* kBatchFilter = L"Пакетные файлы|*.BAT;*.CMD|Все файлы|*.*";
inline constexpr const wchar_t* kBatchDefaultExtension = L"BAT";

// Messages about one file or program: its full path, an empty line, the sentence.
// `idText` follows the word directly (it starts with its own blank).
std::wstring TerminateFailure(std::wstring_view programPath, std::wstring_view idText);
// Processes terminate leaves alone: one it cannot tell from another, one Windows marks critical.
std::wstring TerminateUnidentified(std::wstring_view programPath, std::wstring_view idText);
std::wstring TerminateCritical(std::wstring_view programPath, std::wstring_view idText);
std::wstring RelaunchFailure(std::wstring_view programPath);
// A service of the process at the path that did not stop or start; a host whose services are unknown.
std::wstring ServiceNotStopped(std::wstring_view programPath, std::wstring_view service);
std::wstring ServiceNotStarted(std::wstring_view programPath, std::wstring_view service);
std::wstring HostServicesNotStopped(std::wstring_view programPath);
std::wstring HostServicesNotStarted(std::wstring_view programPath);

// Relaunch with full rights: the programs of other sessions or users it did not start ("path (id)" a line), and
// the question when the desktop's shell does not answer.
std::wstring NotStartedElsewhere(const std::vector<std::pair<std::wstring, std::uint32_t>>& programs);
std::wstring StartWithFullRightsQuestion();
std::wstring SaveFailure(std::wstring_view batchFile);
std::wstring SaveSuccess(std::wstring_view batchFile);

// Why a program path cannot go into the batch file.
std::wstring UnrepresentablePath(std::wstring_view programPath, unsigned codePage);

}  // namespace action_texts
