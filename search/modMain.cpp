#include "modMain.h"

#include "platform/TextCase.h"
#include "platform/support/TextOperations.h"
#include "modPackProcessInfo.h"

namespace {

bool MatchExactCase(std::wstring_view path, std::wstring_view spec, bool partial)
{
    // An empty path contains nothing, not even the empty specification.
    if (partial) return !path.empty() && path.find(spec) != std::wstring_view::npos;
    return path.size() >= spec.size() && path.substr(path.size() - spec.size()) == spec;
}

}  // namespace

bool MatchModuleName(std::wstring_view path, std::wstring_view spec, bool partial, bool ignoreCase)
{
    if (!ignoreCase) return MatchExactCase(path, spec, partial);
    return MatchExactCase(ToUpperCase(path), ToUpperCase(spec), partial);
}

void AddModuleHit(ResultsList& list, ModuleVersionTexts& versions, std::int32_t processId,
                  const std::wstring& exePath, const std::wstring& modulePath)
{
    const int row = list.AddRow(qsGetFileName(exePath));
    list.SetSubItem(row, 1, versions.For(modulePath));
    list.SetSubItem(row, 2, modulePath);
    list.SetTag(row, PackProcessInfo(processId, exePath));
}
