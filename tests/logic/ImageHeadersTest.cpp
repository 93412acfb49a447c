#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "search/ImageHeaders.h"

namespace {

// A loaded image of 0x2000 bytes as the tests lay it out: the headers at the offsets below, and a resource directory
// at 0x1000 in which the version resource is not the first way in. A named type and RT_ICON stand before RT_VERSION,
// the version's name directory holds a named entry (its first) before an id, its language directory two languages;
// every way not to be taken leads to a decoy version 9.9.9.9.
struct Image {
    explicit Image(bool is64Bit) : is64Bit(is64Bit)
    {
        Put16(0, 'M' | 'Z' << 8);
        Put32(0x3C, 0x80);  // e_lfanew
        Put32(0x80, 'P' | 'E' << 8);
        Put16(0x84, is64Bit ? 0x8664 : 0x14C);
        Put16(0x86, 1);
        Put32(0x88, 0x3C2B1A09);  // TimeDateStamp
        Put16(0x94, is64Bit ? 0xF0 : 0xE0);  // SizeOfOptionalHeader
        Put16(0x98, is64Bit ? 0x20B : 0x10B);
        Put32(0xD0, 0x2000);  // SizeOfImage
        Put32(0xD8, 0x1F00D);  // CheckSum
        Put32(NumberOfRvaAndSizes(), 16);
        Put32(ResourceEntry(), 0x1000);
        Put32(ResourceEntry() + 4, 0x500);

        Directory(0x1000, 1, {{0x80000200, 0x80000100}, {3, 0x80000100}, {16, 0x80000040}});  // the types
        Directory(0x1040, 1, {{0x80000200, 0x80000080}, {1, 0x80000120}});  // RT_VERSION's names
        Directory(0x1080, 0, {{1033, 0xC0}, {1031, 0x140}});  // the first name's languages
        DataEntry(0x10C0, 0x1300, 92);
        Directory(0x1100, 0, {{1, 0x80000120}});  // the decoy's name, language and data entry
        Directory(0x1120, 0, {{1033, 0x140}});
        DataEntry(0x1140, 0x1400, 92);
        Put16(0x1200, 3);  // the named entries' name, never read
        Put(0x1202, u"MUI");
        VersionBlock(0x1300, 0x00050001, 0x00030A28);  // 5.1.3.2600
        VersionBlock(0x1400, 0x00090009, 0x00090009);
    }

    std::size_t NumberOfRvaAndSizes() const { return is64Bit ? 0x104 : 0xF4; }
    std::size_t ResourceEntry() const { return is64Bit ? 0x118 : 0x108; }

    void Put16(std::size_t at, std::uint32_t value) { PutLittleEndian(at, value, 2); }
    void Put32(std::size_t at, std::uint32_t value) { PutLittleEndian(at, value, 4); }
    void PutLittleEndian(std::size_t at, std::uint32_t value, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
    }
    void Put(std::size_t at, std::u16string_view text)
    {
        for (char16_t c : text) Put16(std::exchange(at, at + 2), c);
    }
    void Directory(std::size_t at, std::uint16_t named, std::vector<std::pair<std::uint32_t, std::uint32_t>> entries)
    {
        Put16(at + 12, named);
        Put16(at + 14, static_cast<std::uint32_t>(entries.size() - named));
        std::size_t entry = at + 16;
        for (const auto& [name, offsetToData] : entries) {
            Put32(entry, name);
            Put32(entry + 4, offsetToData);
            entry += 8;
        }
    }
    void DataEntry(std::size_t at, std::uint32_t rva, std::uint32_t size)
    {
        Put32(at, rva);
        Put32(at + 4, size);
    }
    void VersionBlock(std::size_t at, std::uint32_t fileVersionMs, std::uint32_t fileVersionLs)
    {
        Put16(at, 92);
        Put16(at + 2, 52);
        Put(at + 6, u"VS_VERSION_INFO");
        Put32(at + 40, 0xFEEF04BD);
        Put32(at + 44, 0x10000);
        Put32(at + 48, fileVersionMs);
        Put32(at + 52, fileVersionLs);
    }

    bool is64Bit;
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(0x2000);
    // The reader answers `shortAnswer` bytes to a read at `shortAt`.
    std::uint32_t shortAt = 0xFFFFFFFF;
    std::size_t shortAnswer = 0;
};

// The loaded image as another process's memory is read: what of a range lies in the buffer. It notes the reads
// after the first (the headers', made before SizeOfImage is known): how many, the largest, the furthest end.
struct Reader {
    std::size_t operator()(std::uint32_t offset, void* out, std::size_t size)
    {
        if (calls++ > 0) {
            largest = std::max(largest, size);
            furthest = std::max(furthest, std::uint64_t{offset} + size);
        }
        const std::size_t inside = offset < image.bytes.size() ? std::min(size, image.bytes.size() - offset) : 0;
        const std::size_t answer = offset == image.shortAt ? std::min(inside, image.shortAnswer) : inside;
        std::memcpy(out, image.bytes.data() + std::min<std::size_t>(offset, image.bytes.size()), answer);
        return answer;
    }

    const Image& image;
    int calls = 0;
    std::size_t largest = 0;
    std::uint64_t furthest = 0;
};

// Where the image ends: at SizeOfImage, or sooner at the end of its bytes.
std::uint64_t ImageEnd(const Image& image)
{
    const auto& b = image.bytes;
    return std::min<std::uint64_t>(b[0xD0] | b[0xD1] << 8 | b[0xD2] << 16 | std::uint32_t{b[0xD3]} << 24, b.size());
}

// The stamp of the first `size` bytes, in a buffer of just that size (so that the sanitizer sees a read past it).
std::optional<ImageStamp> StampOf(const Image& image, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(image.bytes.begin(), image.bytes.begin() + static_cast<std::ptrdiff_t>(size));
    return ReadImageStamp(bytes.data(), bytes.size());
}

struct Case {
    const char* what;
    std::function<void(Image&)> patch;
    std::size_t size = 0x2000;  // for the stamp: how many bytes were read
};

}  // namespace

TEST(ImageHeaders, StampOfBothBitnessesFromAllTheBytesOrJustThroughTheChecksum)
{
    for (std::size_t size : {0x2000, 0xDC}) {
        EXPECT_EQ(StampOf(Image(false), size), (ImageStamp{false, 0x3C2B1A09, 0x2000, 0x1F00D})) << size;
        EXPECT_EQ(StampOf(Image(true), size), (ImageStamp{true, 0x3C2B1A09, 0x2000, 0x1F00D})) << size;
    }
}

TEST(ImageHeaders, NoStampWithoutValidHeaders)
{
    const Case cases[] = {
        {"not MZ", [](Image& i) { i.bytes[1] = 'X'; }},
        {"shorter than the DOS header", [](Image&) {}, 0x3F},
        {"e_lfanew past what was read", [](Image& i) { i.Put32(0x3C, 0x1FF0); i.Put32(0x1FF0, 'P' | 'E' << 8); }},
        {"e_lfanew near 4 GB", [](Image& i) { i.Put32(0x3C, 0xFFFFFFF0); }},
        {"not PE\\0\\0", [](Image& i) { i.bytes[0x83] = 1; }},
        {"a ROM image's magic", [](Image& i) { i.Put16(0x98, 0x107); }},
        {"SizeOfOptionalHeader short of the checksum", [](Image& i) { i.Put16(0x94, 67); }},
        {"cut inside the checksum", [](Image&) {}, 0xDB},
    };
    for (bool is64Bit : {false, true}) {
        for (const Case& c : cases) {
            Image image(is64Bit);
            c.patch(image);
            EXPECT_EQ(StampOf(image, c.size), std::nullopt) << c.what << (is64Bit ? ", PE32+" : ", PE32");
        }
    }
}

// Every read after the headers' lies inside the image, the version found or not.
TEST(ImageHeaders, VersionOfTheLoadedImageOnlyFromInsideIt)
{
    const Case found[] = {
        {"as laid out", [](Image&) {}},
        {"the headers read short, but through the resource entry",
         [](Image& i) { i.shortAt = 0; i.shortAnswer = i.ResourceEntry() + 8; }},
        {"the version resource ending at SizeOfImage", [](Image& i) { i.Put32(0xD0, 0x135C); }},
        {"RT_VERSION among the first of 65535 ids", [](Image& i) { i.Put16(0x100E, 0xFFFF); }},
    };
    const Case notFound[] = {
        {"no resources", [](Image& i) { i.Put32(i.ResourceEntry() + 4, 0); }},
        {"two data directories only", [](Image& i) { i.Put32(i.NumberOfRvaAndSizes(), 2); }},
        {"the optional header ending inside the resource entry",
         [](Image& i) { i.Put16(0x94, i.is64Bit ? 0x87 : 0x77); }},
        {"the headers read short of the resource entry's end",
         [](Image& i) { i.shortAt = 0; i.shortAnswer = i.ResourceEntry() + 7; }},
        {"the resource directory at SizeOfImage", [](Image& i) { i.Put32(i.ResourceEntry(), 0x2000); }},
        {"SizeOfImage ending inside the root directory", [](Image& i) { i.Put32(0xD0, 0x100F); }},
        {"SizeOfImage ending inside the types' ids", [](Image& i) { i.Put32(0xD0, 0x1027); }},
        {"SizeOfImage ending inside the first name", [](Image& i) { i.Put32(0xD0, 0x1057); }},
        {"SizeOfImage ending inside the first language", [](Image& i) { i.Put32(0xD0, 0x1097); }},
        {"SizeOfImage ending inside the data entry", [](Image& i) { i.Put32(0xD0, 0x10CF); }},
        {"SizeOfImage ending inside the version resource", [](Image& i) { i.Put32(0xD0, 0x135B); }},
        {"the version resource's size past SizeOfImage", [](Image& i) { i.Put32(0x10C4, 0xD01); }},
        {"the version resource's RVA near 4 GB", [](Image& i) { i.DataEntry(0x10C0, 0xFFFFFFF0, 0x1400); }},
        {"a subdirectory near 2 GB", [](Image& i) { i.Put32(0x1024, 0xFFFFFFF0); }},
        {"65535 named types pushing the ids past SizeOfImage", [](Image& i) { i.Put16(0x100C, 0xFFFF); }},
        {"no RT_VERSION", [](Image& i) { i.Put32(0x1020, 17); }},
        {"RT_VERSION leading to a data entry", [](Image& i) { i.Put32(0x1024, 0x40); }},
        {"no name", [](Image& i) { i.Put32(0x104C, 0); }},
        {"the name leading to a data entry", [](Image& i) { i.Put32(0x1054, 0x80); }},
        {"no language", [](Image& i) { i.Put32(0x108C, 0); }},
        {"the language leading to a subdirectory, SizeOfImage 4 GB",
         [](Image& i) { i.Put32(0x1094, 0x800000C0); i.Put32(0xD0, 0xFFFFFFFF); }},
        {"a version block ending before its fixed info", [](Image& i) { i.Put16(0x1300, 91); }},
        {"a version block longer than its resource", [](Image& i) { i.Put32(0x10C4, 91); }},
        {"no fixed info", [](Image& i) { i.Put16(0x1302, 0); }},
        {"another key", [](Image& i) { i.Put16(0x1300 + 6 + 2 * 14, 'P'); }},
        {"the key not ended", [](Image& i) { i.Put16(0x1300 + 6 + 2 * 15, 'X'); }},
        {"another signature", [](Image& i) { i.Put32(0x1328, 0xFEEF04BE); }},
        {"the version resource read short", [](Image& i) { i.shortAt = 0x1300; i.shortAnswer = 91; }},
    };
    for (bool is64Bit : {false, true}) {
        const auto check = [is64Bit](const Case& c, std::optional<FileVersion> expected) {
            SCOPED_TRACE(std::string(c.what) + (is64Bit ? ", PE32+" : ", PE32"));
            Image image(is64Bit);
            c.patch(image);
            Reader reader{image};
            EXPECT_EQ(ReadLoadedImageVersion(std::ref(reader)), expected);
            EXPECT_LE(reader.furthest, ImageEnd(image));
        };
        for (const Case& c : found) check(c, FileVersion{5, 1, 3, 2600});
        for (const Case& c : notFound) check(c, std::nullopt);
    }
}

// Entries are read from the other process: a hostile count must not make for many reads or a large one.
TEST(ImageHeaders, TheTypesOf65535IdsWithoutRtVersionReadInOneBlockOfAFew)
{
    Image image(true);
    image.bytes.resize(0x90000);
    image.Put32(0xD0, 0x90000);
    image.Put16(0x100E, 0xFFFF);
    image.Put32(0x1020, 17);
    Reader reader{image};
    EXPECT_EQ(ReadLoadedImageVersion(std::ref(reader)), std::nullopt);
    EXPECT_LE(reader.calls, 3);
    EXPECT_LE(reader.largest, 4096u);
}
