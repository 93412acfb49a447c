#include "ImageHeaders.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// PE fields are little-endian on every host.
std::uint16_t Read16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t Read32(const std::uint8_t* at)
{
    return Read16(at) | static_cast<std::uint32_t>(Read16(at + 2)) << 16;
}

constexpr std::size_t kDosHeaderSize = 64;
constexpr std::size_t kLfanewOffset = 0x3C;
constexpr std::size_t kSignatureSize = 4;  // "PE\0\0", then the file header
constexpr std::size_t kTimeDateStampOffset = 4;
constexpr std::size_t kSizeOfOptionalHeaderOffset = 16;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
// In the optional header, at the same offsets in PE32 and PE32+.
constexpr std::size_t kSizeOfImageOffset = 56;
constexpr std::size_t kCheckSumOffset = 64;
constexpr std::size_t kStampFieldsEnd = 68;
// The data directories follow NumberOfRvaAndSizes; the fields before them differ in size between the two layouts.
constexpr std::size_t kPe32DataDirectories = 96;
constexpr std::size_t kPe32PlusDataDirectories = 112;
constexpr std::size_t kResourceDirectoryIndex = 2;
constexpr std::size_t kDataDirectorySize = 8;

// Where the parts of valid headers stand in the bytes read.
struct Headers {
    ImageStamp stamp;
    std::size_t optionalHeader = 0;
    std::size_t sizeOfOptionalHeader = 0;
};

std::optional<Headers> ParseHeaders(const std::uint8_t* bytes, std::size_t size)
{
    if (size < kDosHeaderSize || bytes[0] != 'M' || bytes[1] != 'Z') return std::nullopt;
    // In 64 bits: a hostile e_lfanew near 4 GB must not wrap around to a small offset.
    const std::uint64_t peHeader = Read32(bytes + kLfanewOffset);
    const std::uint64_t optionalHeader = peHeader + kSignatureSize + kFileHeaderSize;
    if (optionalHeader + kStampFieldsEnd > size) return std::nullopt;

    const std::uint8_t* pe = bytes + peHeader;
    if (pe[0] != 'P' || pe[1] != 'E' || pe[2] != 0 || pe[3] != 0) return std::nullopt;
    const std::uint8_t* fileHeader = pe + kSignatureSize;
    const std::uint8_t* optional = bytes + optionalHeader;
    const std::uint16_t magic = Read16(optional);
    const std::size_t sizeOfOptionalHeader = Read16(fileHeader + kSizeOfOptionalHeaderOffset);
    if ((magic != kPe32Magic && magic != kPe32PlusMagic) || sizeOfOptionalHeader < kStampFieldsEnd) {
        return std::nullopt;
    }

    Headers headers;
    headers.stamp.is64Bit = magic == kPe32PlusMagic;
    headers.stamp.timeDateStamp = Read32(fileHeader + kTimeDateStampOffset);
    headers.stamp.sizeOfImage = Read32(optional + kSizeOfImageOffset);
    headers.stamp.checkSum = Read32(optional + kCheckSumOffset);
    headers.optionalHeader = static_cast<std::size_t>(optionalHeader);
    headers.sizeOfOptionalHeader = sizeOfOptionalHeader;
    return headers;
}

// The image's memory, no further than SizeOfImage: a range is used only when it lies inside and was read whole.
class LoadedImage {
public:
    LoadedImage(const ImageReader& read, std::uint32_t sizeOfImage) : read_(read), sizeOfImage_(sizeOfImage) {}

    bool Contains(std::uint64_t offset, std::uint64_t size) const
    {
        return offset <= sizeOfImage_ && size <= sizeOfImage_ - offset;
    }

    bool Read(std::uint64_t offset, std::uint8_t* out, std::size_t size) const
    {
        return size != 0 && Contains(offset, size) && read_(static_cast<std::uint32_t>(offset), out, size) == size;
    }

private:
    const ImageReader& read_;
    std::uint64_t sizeOfImage_;
};

constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kHighBit = 0x80000000;  // a named entry's Name; an entry's OffsetToData of a subdirectory
constexpr std::size_t kDirectorySize = 16;
constexpr std::size_t kNamedEntriesOffset = 12;
constexpr std::size_t kIdEntriesOffset = 14;
constexpr std::size_t kEntrySize = 8;
// The counts come from the other process: the type level is read in one block of at most this many id entries.
// Ids are sorted and few types exist, so RT_VERSION stands well inside it.
constexpr std::size_t kMaxTypeIdEntries = 256;
constexpr std::size_t kDataEntrySize = 16;

// Offsets in the resource directory are relative to its start.
struct ResourceDirectory {
    const LoadedImage& image;
    std::uint64_t rva;

    // The OffsetToData of the id entry `id` at the directory `offset`.
    std::optional<std::uint32_t> IdEntryTarget(std::uint64_t offset, std::uint32_t id) const
    {
        std::array<std::uint8_t, kDirectorySize> directory;
        if (!image.Read(rva + offset, directory.data(), directory.size())) return std::nullopt;
        const std::size_t named = Read16(&directory[kNamedEntriesOffset]);
        const std::size_t ids = std::min<std::size_t>(Read16(&directory[kIdEntriesOffset]), kMaxTypeIdEntries);
        std::vector<std::uint8_t> entries(ids * kEntrySize);
        if (!image.Read(rva + offset + kDirectorySize + named * kEntrySize, entries.data(), entries.size())) {
            return std::nullopt;
        }
        for (std::size_t at = 0; at < entries.size(); at += kEntrySize) {
            if (Read32(&entries[at]) == id) return Read32(&entries[at + 4]);
        }
        return std::nullopt;
    }

    // The OffsetToData of the first entry, named or id, at the directory `offset`.
    std::optional<std::uint32_t> FirstEntryTarget(std::uint64_t offset) const
    {
        std::array<std::uint8_t, kDirectorySize + kEntrySize> directory;
        if (!image.Read(rva + offset, directory.data(), directory.size())) return std::nullopt;
        if (Read16(&directory[kNamedEntriesOffset]) == 0 && Read16(&directory[kIdEntriesOffset]) == 0) {
            return std::nullopt;
        }
        return Read32(&directory[kDirectorySize + 4]);
    }
};

std::optional<std::uint64_t> Subdirectory(std::optional<std::uint32_t> target)
{
    if (!target || !(*target & kHighBit)) return std::nullopt;
    return *target & ~kHighBit;
}

// VS_VERSIONINFO: wLength, wValueLength, wType, the key with its terminator, padding to 32 bits, VS_FIXEDFILEINFO.
constexpr char16_t kVersionKey[] = u"VS_VERSION_INFO";
constexpr std::size_t kVersionKeyOffset = 6;
constexpr std::size_t kFixedInfoOffset = 40;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::size_t kVersionStart = kFixedInfoOffset + kFixedInfoSize;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFileVersionMsOffset = 8;
constexpr std::size_t kFileVersionLsOffset = 12;

std::optional<FileVersion> ParseVersionStart(const std::array<std::uint8_t, kVersionStart>& block, std::uint32_t size)
{
    const std::uint16_t length = Read16(&block[0]);
    const std::uint16_t valueLength = Read16(&block[2]);
    if (length < kVersionStart || length > size || valueLength < kFixedInfoSize) return std::nullopt;
    for (std::size_t i = 0; i < std::size(kVersionKey); ++i) {
        if (Read16(&block[kVersionKeyOffset + 2 * i]) != kVersionKey[i]) return std::nullopt;
    }
    const std::uint8_t* fixed = &block[kFixedInfoOffset];
    if (Read32(fixed) != kFixedInfoSignature) return std::nullopt;
    const std::uint32_t ms = Read32(fixed + kFileVersionMsOffset);
    const std::uint32_t ls = Read32(fixed + kFileVersionLsOffset);
    return FileVersion{ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF};
}

}  // namespace

std::optional<ImageStamp> ReadImageStamp(const std::uint8_t* bytes, std::size_t size)
{
    const auto headers = ParseHeaders(bytes, size);
    if (!headers) return std::nullopt;
    return headers->stamp;
}

std::optional<FileVersion> ReadLoadedImageVersion(const ImageReader& read)
{
    // Kept in a buffer of just what was read, so that the sanitizers see any use of bytes past it.
    std::vector<std::uint8_t> buffer(kImageHeaderBytes);
    buffer.resize(std::min(read(0, buffer.data(), buffer.size()), buffer.size()));
    const std::vector<std::uint8_t> bytes(buffer.begin(), buffer.end());
    const auto headers = ParseHeaders(bytes.data(), bytes.size());
    if (!headers) return std::nullopt;
    const LoadedImage image(read, headers->stamp.sizeOfImage);

    const std::size_t directories = headers->stamp.is64Bit ? kPe32PlusDataDirectories : kPe32DataDirectories;
    const std::size_t resourceEntry = directories + kResourceDirectoryIndex * kDataDirectorySize;
    const std::size_t directoriesEnd = resourceEntry + kDataDirectorySize;
    if (directoriesEnd > headers->sizeOfOptionalHeader || headers->optionalHeader + directoriesEnd > bytes.size()) {
        return std::nullopt;
    }
    const std::uint8_t* optional = &bytes[headers->optionalHeader];
    if (Read32(optional + directories - 4) <= kResourceDirectoryIndex) return std::nullopt;  // NumberOfRvaAndSizes
    const std::uint32_t resourceRva = Read32(optional + resourceEntry);
    if (Read32(optional + resourceEntry + 4) == 0) return std::nullopt;  // no resources

    // Type RT_VERSION, its first name, that name's first language: two subdirectories, then the data entry.
    const ResourceDirectory resources{image, resourceRva};
    const auto names = Subdirectory(resources.IdEntryTarget(0, kRtVersion));
    if (!names) return std::nullopt;
    const auto languages = Subdirectory(resources.FirstEntryTarget(*names));
    if (!languages) return std::nullopt;
    const auto dataEntry = resources.FirstEntryTarget(*languages);
    if (!dataEntry || (*dataEntry & kHighBit)) return std::nullopt;

    std::array<std::uint8_t, kDataEntrySize> entry;
    if (!image.Read(resourceRva + std::uint64_t{*dataEntry}, entry.data(), entry.size())) return std::nullopt;
    const std::uint32_t dataRva = Read32(&entry[0]);
    const std::uint32_t dataSize = Read32(&entry[4]);
    // The whole resource must lie in the image; only its start, up to the fixed info, is read.
    std::array<std::uint8_t, kVersionStart> block;
    if (!image.Contains(dataRva, dataSize) || !image.Read(dataRva, block.data(), block.size())) return std::nullopt;
    return ParseVersionStart(block, dataSize);
}
