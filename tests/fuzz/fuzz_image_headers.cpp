// Reading an image's headers and its version from another process's memory must never fail or read outside what
// was read, and after the headers asks only for ranges inside SizeOfImage.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "search/ImageHeaders.h"

// The first byte chooses where the image's memory stops being readable (0: nowhere), as a part of its size in 256ths;
// the image follows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::uint8_t* image = data + 1;
    const std::size_t imageSize = size - 1;
    const std::size_t readable = data[0] == 0 ? imageSize : imageSize * data[0] / 256;

    ReadImageStamp(image, imageSize);

    int reads = 0;
    std::uint64_t furthest = 0;  // of the ranges asked for after the headers
    const ImageReader reader = [&](std::uint32_t offset, void* out, std::size_t length) -> std::size_t {
        if (reads++ > 0) furthest = std::max(furthest, std::uint64_t{offset} + length);
        if (offset >= readable) return 0;
        const std::size_t answer = std::min(length, readable - offset);
        std::memcpy(out, image + offset, answer);
        return answer;
    };
    const auto version = ReadLoadedImageVersion(reader);

    // The headers it read are a part of these: where they hold no stamp, it must have read nothing more.
    const auto stamp = ReadImageStamp(image, std::min(imageSize, kImageHeaderBytes));
    if (version && !stamp) std::abort();
    if (!stamp && reads > 1) std::abort();
    if (stamp && furthest > stamp->sizeOfImage) std::abort();
    return 0;
}
