#pragma once
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/files/FileVersion.h"

// The version column's text: "---" without a version; a zero third number is left out
// ("5.1.2600" for 5.1.0.2600), otherwise all four ("5.1.3.2600").
std::wstring VersionText(const std::optional<FileVersion>& version);

// The version texts of one search. A module loaded by many processes is read once;
// the texts are the same as reading the file anew for every hit.
class ModuleVersionTexts {
public:
    using Reader = std::function<std::optional<FileVersion>(const std::wstring& path)>;

    explicit ModuleVersionTexts(Reader reader) : reader_(std::move(reader)) {}

    // The text for the path, read now unless it was read before.
    const std::wstring& For(const std::wstring& modulePath);
    // Reads the texts of the paths not read before, each once, on `workers` threads.
    void ReadAll(const std::vector<std::wstring>& modulePaths, unsigned workers);

private:
    std::wstring Read(const std::wstring& modulePath) const;

    Reader reader_;
    std::unordered_map<std::wstring, std::wstring> texts_;
};
