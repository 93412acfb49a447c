#pragma once
// The PE headers and the version resource of a module, read from a file's first bytes or from the image a process
// runs (a replaced module's old copy keeps running). Another process's memory is outside input: every field is
// checked before it is used, and nothing outside SizeOfImage or what was read is looked at.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/files/FileVersion.h"

// What tells two builds of a module apart, from its PE headers: the link time stamp (FileHeader.TimeDateStamp),
// OptionalHeader.SizeOfImage and OptionalHeader.CheckSum (these two at the same offsets in PE32 and PE32+), and
// whether it is PE32+ (64-bit) or PE32.
struct ImageStamp {
    bool is64Bit = false;
    std::uint32_t timeDateStamp = 0;
    std::uint32_t sizeOfImage = 0;
    std::uint32_t checkSum = 0;
    bool operator==(const ImageStamp&) const = default;
};

// The stamp from the first bytes of a PE file, or of a loaded image's headers (the same layout): `size` is how many
// bytes were actually read. nullopt when they do not hold valid DOS and PE headers ("MZ", e_lfanew inside, "PE\0\0",
// an optional header magic 0x10B or 0x20B, SizeOfOptionalHeader large enough for what is read).
std::optional<ImageStamp> ReadImageStamp(const std::uint8_t* bytes, std::size_t size);

// Reads another process's memory of a loaded image: `size` bytes at `offset` from the image's base (an RVA) into
// `out`; answers how many bytes it actually read (fewer, or 0, when part is unreadable).
using ImageReader = std::function<std::size_t(std::uint32_t offset, void* out, std::size_t size)>;

// How many bytes of the headers to read first (enough for DOS header, PE headers and the section/data directories
// of any ordinary image): 4096.
inline constexpr std::size_t kImageHeaderBytes = 4096;

// The four version numbers of the VS_FIXEDFILEINFO in the version resource of a LOADED image (sections mapped at
// their RVAs): the resource directory at its data-directory RVA (index 2), type RT_VERSION (16), its first name
// entry, that name's first language entry, the data entry's RVA and size, then the VS_VERSIONINFO block (wLength,
// wValueLength, wType, key L"VS_VERSION_INFO", padding to 32 bits, the fixed info with signature 0xFEEF04BD).
// The numbers: HIWORD/LOWORD of dwFileVersionMS and dwFileVersionLS, as a file's version resource gives them.
// nullopt where anything is missing, invalid, outside SizeOfImage, or not read whole.
// The reader is asked for the headers first (kImageHeaderBytes from offset 0, before SizeOfImage is known), then
// only for ranges inside SizeOfImage, each once, a handful in all.
std::optional<FileVersion> ReadLoadedImageVersion(const ImageReader& read);
