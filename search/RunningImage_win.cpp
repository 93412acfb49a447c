#include "RunningImage.h"

#include <algorithm>
#include <vector>

namespace {

// The bytes of the image at `base + offset` that the process's memory gives, as many as it can.
ImageReader ReaderOf(ProcessQueries& api, HANDLE process, std::uint64_t base)
{
    return [&api, process, base](std::uint32_t offset, void* out, std::size_t size) -> std::size_t {
        std::size_t read = 0;
        api.ReadMemory(process, base + offset, out, size, &read);
        return read;
    };
}

}  // namespace

std::optional<ImageStamp> RunningImageStamp(ProcessQueries& api, HANDLE process, std::uint64_t base)
{
    // Every read of another process costs a round trip; the headers of nearly every image
    // stand within their first 512 bytes, and the rest is read only where they do not.
    const ImageReader read = ReaderOf(api, process, base);
    for (const std::size_t size : {std::size_t{512}, kImageHeaderBytes}) {
        std::vector<std::uint8_t> headers(size);
        const std::size_t got = std::min(read(0, headers.data(), headers.size()), headers.size());
        if (const std::optional<ImageStamp> stamp = ReadImageStamp(headers.data(), got)) return stamp;
        if (got < size) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<FileVersion> RunningImageVersion(ProcessQueries& api, HANDLE process, std::uint64_t base)
{
    return ReadLoadedImageVersion(ReaderOf(api, process, base));
}
