#include "RestartBatch.h"

std::wstring EscapeBatchPercent(std::wstring_view path)
{
    std::wstring escaped;
    escaped.reserve(path.size());
    for (wchar_t c : path) {
        escaped += c;
        if (c == L'%') escaped += L'%';
    }
    return escaped;
}

std::string RestartBatchText(const std::vector<BatchEntry>& entries)
{
    constexpr const char* kLineEnd = "\r\n";
    std::string text = std::string("IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT") + kLineEnd + kLineEnd;
    for (const BatchEntry& entry : entries) {
        if (entry.services.empty()) text += "  START \"" + entry.program + "\"" + kLineEnd;
    }
    text += std::string("  GOTO END") + kLineEnd + kLineEnd + ":WIN_NT" + kLineEnd + kLineEnd;
    for (const BatchEntry& entry : entries) {
        const std::string& target = entry.ntTarget.empty() ? entry.program : entry.ntTarget;
        if (entry.services.empty()) text += "  START \"\" \"" + target + "\"" + kLineEnd;
        for (const std::string& service : entry.services) text += "  NET START \"" + service + "\"" + kLineEnd;
    }
    text += std::string(kLineEnd) + ":END" + kLineEnd;
    return text;
}
