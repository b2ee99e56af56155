#include "ProcessFileInfo.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct DirectoryEntry {
    int width, height, colours, planes, bits;
    DWORD size, offset;
    WORD marker;  // the last two bytes of the image the entry points at
};

WORD Word(const std::vector<BYTE>& bytes, size_t at)
{
    return static_cast<WORD>(bytes.at(at) | bytes.at(at + 1) << 8);
}

DWORD Dword(const std::vector<BYTE>& bytes, size_t at)
{
    return Word(bytes, at) | static_cast<DWORD>(Word(bytes, at + 2)) << 16;
}

DirectoryEntry Entry(const std::vector<BYTE>& icon, int index)
{
    size_t at = 6 + 16 * index;
    EXPECT_EQ(0, icon.at(at + 3));
    DirectoryEntry entry{icon.at(at),        icon.at(at + 1),     icon.at(at + 2),      Word(icon, at + 4),
                         Word(icon, at + 6), Dword(icon, at + 8), Dword(icon, at + 12), 0};
    entry.marker = Word(icon, entry.offset + entry.size - 2);
    return entry;
}

void ExpectEntry(const DirectoryEntry& expected, const DirectoryEntry& actual)
{
    EXPECT_EQ(expected.width, actual.width);
    EXPECT_EQ(expected.height, actual.height);
    EXPECT_EQ(expected.colours, actual.colours);
    EXPECT_EQ(expected.planes, actual.planes);
    EXPECT_EQ(expected.bits, actual.bits);
    EXPECT_EQ(expected.size, actual.size);
    EXPECT_EQ(expected.offset, actual.offset);
    EXPECT_EQ(expected.marker, actual.marker) << std::hex << actual.marker;
}

struct IconCase {
    const char* program;
    DirectoryEntry large, small;
};

class IconFileImageTest : public ::testing::TestWithParam<IconCase> {};

// Every fixture image is a 40-byte header and a 2-byte marker.
const IconCase iconCases[] = {
    {ZV_FIXTURE_TWO_SIZES, {32, 32, 0, 1, 8, 42, 38, 0x3208}, {16, 16, 16, 1, 4, 42, 80, 0x1604}},
    {ZV_FIXTURE_ONE_SIZE, {32, 32, 0, 1, 24, 42, 38, 0x3224}, {32, 32, 0, 1, 24, 42, 80, 0x3224}},
    {ZV_FIXTURE_LOW_BITS, {32, 32, 4, 1, 2, 42, 38, 0x3202}, {16, 16, 2, 1, 1, 42, 80, 0x1601}},
};

TEST_P(IconFileImageTest, HoldsTheLargeImageThenTheSmallOne)
{
    const IconCase& c = GetParam();
    std::wstring description;
    std::vector<BYTE> icon;
    ExtractProcessInfo(std::wstring(c.program, c.program + strlen(c.program)), description, icon);
    ASSERT_EQ(38u + 42 + 42, icon.size());
    EXPECT_EQ(0, Word(icon, 0));
    EXPECT_EQ(1, Word(icon, 2));
    EXPECT_EQ(2, Word(icon, 4));
    ExpectEntry(c.large, Entry(icon, 0));
    ExpectEntry(c.small, Entry(icon, 1));
    // The images are copied as the program stores them, header first.
    EXPECT_EQ(40u, Dword(icon, 38));
    EXPECT_EQ(40u, Dword(icon, 80));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, IconFileImageTest, ::testing::ValuesIn(iconCases));

std::wstring Wide(const char* text)
{
    return std::wstring(text, text + strlen(text));
}

TEST(ProcessFileInfoTest, DescriptionComesFromTheFirstTranslation)
{
    std::wstring description;
    std::vector<BYTE> icon;
    ExtractProcessInfo(Wide(ZV_FIXTURE_TWO_SIZES), description, icon);
    EXPECT_EQ(L"Erste Beschreibung", description);
}

TEST(ProcessFileInfoTest, MissingPiecesLeaveTheirOutputsAlone)
{
    struct Case {
        const char* program;
        bool hasIcon;
    } cases[] = {
        {ZV_FIXTURE_ONE_SIZE, true},           // a version block without FileDescription
        {ZV_FIXTURE_TRUE_COLOUR_ONLY, false},  // no version block, only 32-bit images
        {ZV_FIXTURE_LOW_BITS, true},           // no version block
        {"Z:\\no\\such\\program.exe", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        std::wstring description = L"as before";
        std::vector<BYTE> icon;
        ExtractProcessInfo(Wide(c.program), description, icon);
        EXPECT_EQ(L"as before", description);
        EXPECT_EQ(c.hasIcon, !icon.empty());
    }
}

}  // namespace
