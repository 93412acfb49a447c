#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

// The four numbers of a file's version resource, in the order the resource gives them.
struct ModuleVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t revision = 0;
};

// The version column's text: "---" without a version; a zero third number is left out
// ("5.1.2600" for 5.1.0.2600), otherwise all four ("5.1.3.2600").
std::wstring VersionText(const std::optional<ModuleVersion>& version);

// The version texts of one search. A module loaded by many processes is read once;
// the texts are the same as reading the file anew for every hit.
class ModuleVersionTexts {
public:
    using Reader = std::function<std::optional<ModuleVersion>(const std::wstring& path)>;

    explicit ModuleVersionTexts(Reader reader) : reader_(std::move(reader)) {}

    const std::wstring& For(const std::wstring& modulePath);

private:
    Reader reader_;
    std::unordered_map<std::wstring, std::wstring> texts_;
};
