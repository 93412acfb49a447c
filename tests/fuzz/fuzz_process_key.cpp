// Unpacking must never fail or read outside any key; packing must round-trip every id and text.
#include <cstdlib>
#include <cstring>

#include "FuzzText.h"
#include "search/ProcessEntryKey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring key = TextFromBytes(data, size);
    ProcessIdOfKey(key);
    ProgramPathOfKey(key);

    std::int32_t id = 0;
    if (size >= sizeof id) std::memcpy(&id, data, sizeof id);
    const std::wstring packed = MakeProcessEntryKey(id, key);
    if (ProcessIdOfKey(packed) != id || ProgramPathOfKey(packed) != key) std::abort();
    return 0;
}
