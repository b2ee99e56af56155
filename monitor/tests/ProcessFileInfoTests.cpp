#include "ProcessFileInfo.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct DirectoryEntry {
    int width, height, colours, planes, bits;
    DWORD size, offset;
    WORD marker;  // the last two bytes of the image the entry points at
};

WORD Word(const std::vector<BYTE>& iBytes, size_t iAt)
{
    return static_cast<WORD>(iBytes.at(iAt) | iBytes.at(iAt + 1) << 8);
}

DWORD Dword(const std::vector<BYTE>& iBytes, size_t iAt)
{
    return Word(iBytes, iAt) | static_cast<DWORD>(Word(iBytes, iAt + 2)) << 16;
}

DirectoryEntry Entry(const std::vector<BYTE>& iIcon, int iIndex)
{
    size_t at = 6 + 16 * iIndex;
    EXPECT_EQ(0, iIcon.at(at + 3));
    DirectoryEntry entry{iIcon.at(at),        iIcon.at(at + 1),     iIcon.at(at + 2),      Word(iIcon, at + 4),
                         Word(iIcon, at + 6), Dword(iIcon, at + 8), Dword(iIcon, at + 12), 0};
    entry.marker = Word(iIcon, entry.offset + entry.size - 2);
    return entry;
}

void ExpectEntry(const DirectoryEntry& iExpected, const DirectoryEntry& iActual)
{
    EXPECT_EQ(iExpected.width, iActual.width);
    EXPECT_EQ(iExpected.height, iActual.height);
    EXPECT_EQ(iExpected.colours, iActual.colours);
    EXPECT_EQ(iExpected.planes, iActual.planes);
    EXPECT_EQ(iExpected.bits, iActual.bits);
    EXPECT_EQ(iExpected.size, iActual.size);
    EXPECT_EQ(iExpected.offset, iActual.offset);
    EXPECT_EQ(iExpected.marker, iActual.marker) << std::hex << iActual.marker;
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

std::wstring Wide(const char* iText)
{
    return std::wstring(iText, iText + strlen(iText));
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
