#include "ReportFormats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <type_traits>
#include <variant>
#include <vector>

#include "FileTimeText.h"
#include "ReportContents.h"
#include "TextEncoding.h"
#include "search/ResultColumns.h"

namespace {

// A field's value: null (unknown), a number, a text, a list of texts.
using FieldValue = std::variant<std::monostate, std::uint64_t, std::wstring, std::vector<std::wstring>>;

constexpr std::array<std::wstring_view, 10> kRowFields = {
    L"processId", L"processStart", L"program", L"programPath", L"services",
    L"sessionId", L"moduleVersion", L"moduleVersionOnDisk", L"copy", L"modulePath",
};
constexpr std::array<std::wstring_view, 3> kUnexaminedFields = {L"processId", L"program", L"reason"};

const wchar_t* CopyName(ModuleCopy copy)
{
    switch (copy) {
    case ModuleCopy::Same: return L"same";
    case ModuleCopy::Replaced: return L"replaced";
    case ModuleCopy::Gone: return L"gone";
    case ModuleCopy::Unknown: break;
    }
    return L"unknown";
}

const wchar_t* ReasonName(UnexaminedReason reason)
{
    switch (reason) {
    case UnexaminedReason::Refused: return L"refused";
    case UnexaminedReason::Protected: return L"protected";
    case UnexaminedReason::Failed: break;
    }
    return L"failed";
}

template <typename T> FieldValue ValueOrNull(const std::optional<T>& value)
{
    if (!value) return std::monostate{};
    return *value;
}

// One list of values for both formats, in the order of kRowFields.
std::array<FieldValue, kRowFields.size()> RowValues(const ReportRow& row)
{
    FieldValue start = std::monostate{};
    if (row.processStart) start = IsoTimeFromFileTime(*row.processStart);
    FieldValue session = std::monostate{};
    if (row.sessionId) session = std::uint64_t{*row.sessionId};
    return {std::uint64_t{row.processId}, start, row.program, row.programPath, ValueOrNull(row.services), session,
            ValueOrNull(row.moduleVersion), ValueOrNull(row.moduleVersionOnDisk), std::wstring(CopyName(row.copy)),
            row.modulePath};
}

std::array<FieldValue, kUnexaminedFields.size()> UnexaminedValues(const ReportUnexamined& process)
{
    return {std::uint64_t{process.processId}, process.program, std::wstring(ReasonName(process.reason))};
}

template <typename Items, typename Convert>
std::wstring Joined(const Items& items, std::wstring_view separator, Convert convert)
{
    std::wstring text;
    bool first = true;
    for (const auto& item : items) {
        if (!first) text += separator;
        text += convert(item);
        first = false;
    }
    return text;
}

std::wstring QuotedWhereNeeded(std::wstring_view text)
{
    if (text.find_first_of(L",\"\r\n") == std::wstring_view::npos) return std::wstring(text);
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'"') quoted += L'"';
        quoted += c;
    }
    return quoted + L'"';
}

std::wstring CsvField(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::uint64_t>(&value)) return std::to_wstring(*number);
    if (const auto* text = std::get_if<std::wstring>(&value)) return QuotedWhereNeeded(*text);
    if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) {
        return QuotedWhereNeeded(Joined(*list, L";", [](const std::wstring& item) { return item; }));
    }
    return {};
}

template <typename Fields> std::wstring CsvLine(const Fields& fields)
{
    return Joined(fields, L",", [](const auto& field) { return CsvField(field); }) + L"\r\n";
}

void AppendUnitEscape(std::wstring& json, std::uint32_t unit)
{
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    json += L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) json += kDigits[(unit >> shift) & 0xF];
}

std::wstring JsonString(std::wstring_view text)
{
    std::wstring json = L"\"";
    for (wchar_t c : text) {
        const auto unit = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c));
        switch (unit) {
        case L'"': json += L"\\\""; continue;
        case L'\\': json += L"\\\\"; continue;
        case L'\b': json += L"\\b"; continue;
        case L'\f': json += L"\\f"; continue;
        case L'\n': json += L"\\n"; continue;
        case L'\r': json += L"\\r"; continue;
        case L'\t': json += L"\\t"; continue;
        default: break;
        }
        if (unit >= 0x20 && unit < 0x7F) {
            json += c;
        } else if (unit <= 0xFFFF) {
            AppendUnitEscape(json, unit);
        } else if (unit <= 0x10FFFF) {
            // Only where wchar_t is 32 bits wide: the character as the surrogate pair UTF-16 gives it.
            AppendUnitEscape(json, 0xD800 + ((unit - 0x10000) >> 10));
            AppendUnitEscape(json, 0xDC00 + ((unit - 0x10000) & 0x3FF));
        } else {
            AppendUnitEscape(json, 0xFFFD);
        }
    }
    return json + L'"';
}

std::wstring JsonValue(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::uint64_t>(&value)) return std::to_wstring(*number);
    if (const auto* text = std::get_if<std::wstring>(&value)) return JsonString(*text);
    if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) {
        return L"[" + Joined(*list, L",", [](const std::wstring& item) { return JsonString(item); }) + L"]";
    }
    return L"null";
}

template <typename Names, typename Values> std::wstring JsonObject(const Names& names, const Values& values)
{
    std::wstring object = L"{";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) object += L',';
        object += JsonString(names[i]) + L':' + JsonValue(values[i]);
    }
    return object + L'}';
}

template <typename Items, typename Convert> std::wstring JsonArray(const Items& items, Convert toObject)
{
    return L"[" + Joined(items, L",", toObject) + L"]";
}

std::wstring Padded(std::wstring_view cell, std::size_t width)
{
    return std::wstring(cell) + std::wstring(width - CodePointCount(cell), L' ');
}

}  // namespace

std::wstring TableText(const Report& report)
{
    using Line = std::array<std::wstring_view, 3>;
    const auto& columns = kResultColumns;
    std::vector<Line> lines = {{columns[0].header, columns[1].header, columns[2].header}};
    for (const ReportRow& row : report.rows) lines.push_back({row.listedProgram, row.listedVersion, row.modulePath});

    std::array<std::size_t, 2> widths = {};
    for (const Line& line : lines) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            widths[column] = std::max(widths[column], CodePointCount(line[column]));
        }
    }
    std::wstring text;
    for (const Line& line : lines) {
        text += Padded(line[0], widths[0]) + L"  " + Padded(line[1], widths[1]) + L"  ";
        text.append(line[2]).append(L"\r\n");
    }
    if (!report.rows.empty()) text += L"\r\n";
    return text + report.summary + L"\r\n";
}

std::wstring CsvText(const Report& report)
{
    std::wstring text = Joined(kRowFields, L",", [](std::wstring_view name) { return std::wstring(name); }) + L"\r\n";
    for (const ReportRow& row : report.rows) text += CsvLine(RowValues(row));
    return text;
}

std::wstring UnexaminedCsvText(const Report& report)
{
    std::wstring text;
    for (const ReportUnexamined& process : report.unexamined) text += CsvLine(UnexaminedValues(process));
    return text;
}

std::wstring JsonText(const Report& report)
{
    return L"{\"specification\":" + JsonString(report.specification) + L",\"mode\":" +
           (report.contains ? L"\"contains\"" : L"\"endsWith\"") + L",\"complete\":" +
           (ReportIsComplete(report) ? L"true" : L"false") + L",\"rows\":" +
           JsonArray(report.rows, [](const ReportRow& row) { return JsonObject(kRowFields, RowValues(row)); }) +
           L",\"unexamined\":" + JsonArray(report.unexamined, [](const ReportUnexamined& process) {
               return JsonObject(kUnexaminedFields, UnexaminedValues(process));
           }) + L"}\r\n";
}

std::wstring ReportText(const Report& report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Csv: return CsvText(report);
    case ReportFormat::Json: return JsonText(report);
    case ReportFormat::Table: break;
    }
    return TableText(report);
}

std::string OutputFileBytes(std::wstring_view text, ReportFormat format)
{
    const std::string bytes = Utf8FromUtf16(text);
    return format == ReportFormat::Json ? bytes : std::string(kUtf8ByteOrderMark) + bytes;
}
