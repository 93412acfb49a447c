// A stored value comes from outside: whatever its type and bytes, reading it never fails or reads outside it, and a
// width or folder it gives is one the program could have written.
#include <cstdlib>

#include "platform/registry/StoredValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const StoredValue value{static_cast<std::uint32_t>(data[0] % 12), std::vector<std::uint8_t>(data + 1, data + size)};
    if (const std::optional<int> width = StoredColumnWidth(value); width && (*width < 150 || *width > 150'000)) {
        std::abort();
    }
    if (const std::optional<std::wstring> folder = StoredFolder(value)) {
        if (folder->empty() || folder->size() > 32'767 || folder->find(L'\0') != std::wstring::npos) std::abort();
    }
    StoredText(value);
    return 0;
}
