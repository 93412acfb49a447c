#include "ConsoleArguments.h"

#include <algorithm>

#include "platform/text/TextCase.h"
#include "platform/text/TextOperations.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

bool StartsSwitch(std::wstring_view text) { return text.starts_with(L'/') || text.starts_with(L"\"/"); }

// Takes the word off the front of the text: up to the first blank or tab outside quotes,
// the quotes left out.
std::wstring TakeWord(std::wstring_view& text)
{
    std::wstring word;
    bool quoted = false;
    std::size_t end = 0;
    for (; end < text.size() && (quoted || kBlanks.find(text[end]) == std::wstring_view::npos); ++end) {
        if (text[end] == L'"') {
            quoted = !quoted;
        } else {
            word += text[end];
        }
    }
    text.remove_prefix(end);
    return word;
}

// What follows the name and its colon, when the word starts with them.
std::optional<std::wstring_view> ValueAfter(std::wstring_view word, std::wstring_view name)
{
    if (word.size() < name.size() || !EqualIgnoringCase(word.substr(0, name.size()), name)) return std::nullopt;
    return word.substr(name.size());
}

std::optional<ReportFormat> FormatNamed(std::wstring_view name)
{
    if (EqualIgnoringCase(name, L"table")) return ReportFormat::Table;
    if (EqualIgnoringCase(name, L"csv")) return ReportFormat::Csv;
    if (EqualIgnoringCase(name, L"json")) return ReportFormat::Json;
    return std::nullopt;
}

// Takes the switch into the request; false for a switch it does not know.
bool TakeSwitch(std::wstring_view word, ConsoleRequest& request, bool& help)
{
    if (word == L"/?") {
        help = true;
    } else if (EqualIgnoringCase(word, L"/contains")) {
        request.contains = true;
    } else if (EqualIgnoringCase(word, L"/replaced")) {
        request.replacedOnly = true;
    } else if (const auto value = ValueAfter(word, L"/format:")) {
        const auto format = FormatNamed(*value);
        if (!format) return false;
        request.format = *format;
    } else if (const auto file = ValueAfter(word, L"/out:")) {
        if (file->empty()) return false;
        request.outFile = std::wstring(*file);
    } else {
        return false;
    }
    return true;
}

}  // namespace

ConsoleRequest ParseConsoleArguments(std::wstring_view arguments)
{
    ConsoleRequest request;
    bool help = false;
    std::optional<std::wstring> unknownSwitch;
    for (;;) {
        arguments.remove_prefix(std::min(arguments.size(), arguments.find_first_not_of(kBlanks)));
        if (!StartsSwitch(arguments)) break;
        const std::wstring word = TakeWord(arguments);
        if (!TakeSwitch(word, request, help) && !unknownSwitch) unknownSwitch = word;
    }
    request.specification = TrimBlanksAndQuotes(arguments);

    if (help) {
        request.outcome = ArgumentsOutcome::Help;
    } else if (unknownSwitch) {
        request.outcome = ArgumentsOutcome::UsageError;
        request.error = L"Неизвестный ключ: " + *unknownSwitch + L".";
    } else if (request.specification.empty()) {
        request.outcome = ArgumentsOutcome::UsageError;
        request.error = L"Не задано имя модуля.";
    }
    return request;
}

std::wstring ConsoleUsage()
{
    return L"Использование: vennick-cli [/contains] [/replaced] [/format:table|csv|json] [/out:ФАЙЛ] МОДУЛЬ\r\n"
           L"  /contains       искать МОДУЛЬ в любой части пути\r\n"
           L"  /replaced       только процессы со старой копией модуля\r\n"
           L"  /format:ФОРМАТ  table (по умолчанию), csv или json\r\n"
           L"  /out:ФАЙЛ       записать вывод в файл\r\n"
           L"  код 0           ничего не найдено, проверены все процессы\r\n"
           L"  код 1           модуль найден (с /replaced: найдена старая копия)\r\n"
           L"  код 2           ничего не найдено, но проверены не все процессы (защищённые не в счёт)\r\n"
           L"  код 3           ошибка в командной строке\r\n"
           L"  код 4           сбой поиска или записи вывода\r\n";
}

std::wstring UsageErrorText(const ConsoleRequest& request) { return request.error + L"\r\n" + ConsoleUsage(); }
