#pragma once
#include <string>
#include <string_view>

// What a replace that failed halfway has left on disk: where the new text is, and where
// the old file now lies (empty when it is gone).
std::wstring FilesLeftByReplace(std::wstring_view newText, std::wstring_view oldFile);
