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

std::string RestartBatchText(const std::vector<std::string>& oemPaths)
{
    constexpr const char* kLineEnd = "\r\n";
    std::string text = std::string("IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT") + kLineEnd + kLineEnd;
    for (const std::string& path : oemPaths) text += "  START \"" + path + "\"" + kLineEnd;
    text += std::string("  GOTO END") + kLineEnd + kLineEnd + ":WIN_NT" + kLineEnd + kLineEnd;
    for (const std::string& path : oemPaths) text += "  START \"\" \"" + path + "\"" + kLineEnd;
    text += std::string(kLineEnd) + ":END" + kLineEnd;
    return text;
}
