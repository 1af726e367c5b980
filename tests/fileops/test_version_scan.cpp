// VersionScan: the marker and the ends of its text in file bytes, and resident structures and markers in loaded programs.
#include <fileops/version_scan.h>

#include "run_support.h"

#include <proto/dos.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The test's own marker, put together at run time so that this program's
// loaded segments hold no "$VER:" of their own in the test data.
const std::string Ver = std::string("$") + "VER:";

std::string ScanBytes(const std::string &bytes, size_t count, ULONG textSize = VersionTextSize)
{
    char text[VersionTextSize];
    std::memset(text, 'x', sizeof text);
    CONST_STRPTR found = VersionScan(reinterpret_cast<const UBYTE *>(bytes.data()), ULONG(count), text, textSize);
    if (found == NoVersionText)
        return "(none)";
    EXPECT_EQ(found, text);
    return found;
}

std::string ScanBytes(const std::string &bytes)
{
    return ScanBytes(bytes, bytes.size());
}

TEST(VersionScanData, FindsTheMarkerAnywhereAndEndsTheTextWhereTheSystemDoes)
{
    // Across the boundary of two groups of four, up to the line feed.
    EXPECT_EQ(ScanBytes("ab" + Ver + " tool 1.2 (1.8.10)\nnext line"), " tool 1.2 (1.8.10)");
    EXPECT_EQ(ScanBytes("abc" + Ver + " cr 2.0\r\nnext"), " cr 2.0");
    EXPECT_EQ(ScanBytes(Ver + " zero 3.1" + std::string(1, '\0') + "rest"), " zero 3.1");
    // Inside a comment closed on the same line: up to the asterisk of "*/"
    // only; an asterisk alone belongs to the text.
    EXPECT_EQ(ScanBytes("/* " + Ver + " a*b 4.0 */\nint x;"), " a*b 4.0 ");
    // The text stops at the end of the bytes read, never beyond.
    std::string cut = "xxx" + Ver + " end 5.0MORE";
    EXPECT_EQ(ScanBytes(cut, cut.size() - 4), " end 5.0");
    // A version longer than the room is cut to it.
    EXPECT_EQ(ScanBytes(Ver + " 0123456789", 16, 6), " 0123");
    // The exact case only.
    EXPECT_EQ(ScanBytes("$ver: lower 1.0\n...."), "(none)");
    EXPECT_EQ(ScanBytes(""), "(none)");
}

TEST(VersionScanData, LooksOnlyAtWholeGroupsOfTheBytesRead)
{
    std::string late = std::string(64, '.') + Ver + " late 1.0\n...";
    EXPECT_EQ(ScanBytes(late, 64), "(none)");         // beyond the bytes read
    EXPECT_EQ(ScanBytes(late, 72), " la");            // found once it is read
    // Nine bytes: the ":" lies in the one byte after two whole groups.
    std::string nine = "xxxx" + Ver + "abc";
    EXPECT_EQ(ScanBytes(nine, 9), "(none)");
    EXPECT_EQ(ScanBytes(nine, 12), "abc");
}

class VersionScanLoaded : public fotest::DrawerTest {
protected:
    // Loads `bytes` as a program and scans it; "(not loaded)" when the
    // loader refuses it.
    std::string ScanProgram(const std::string &bytes)
    {
        WriteFile("program", bytes);
        BPTR segments = NewLoadSeg("program", nullptr);
        if (segments == 0)
            return "(not loaded)";
        char text[VersionTextSize];
        CONST_STRPTR found = VersionScan(segments, text, sizeof text);
        std::string result = found == NoVersionText ? "(none)" : found;
        UnLoadSeg(segments);
        return result;
    }
};

TEST_F(VersionScanLoaded, TakesTheIdStringOfAResidentStructure)
{
    // "$VER:" at its start: from the blank that stands for the ":" (the
    // text's own blank follows it) up to the carriage return.
    EXPECT_EQ(ScanProgram(fotest::ResidentProgram(Ver + " kvtool 1.2 (1.8.10)\r\n")), "  kvtool 1.2 (1.8.10)");
    // Without it, the whole string.
    EXPECT_EQ(ScanProgram(fotest::ResidentProgram("kvlib 3.1 (2.2.22)\r\n")), "kvlib 3.1 (2.2.22)");
    // A match word whose tag does not point at itself is no structure:
    // the marker in the data is found instead, as text.
    EXPECT_EQ(ScanProgram(fotest::ResidentProgram(Ver + " plain 1.0\r\n", false)), " plain 1.0");
}

TEST_F(VersionScanLoaded, FindsTheMarkerInHunkAndElfSegments)
{
    // In a loaded program only a zero or a carriage return ends the text.
    EXPECT_EQ(ScanProgram(fotest::DataProgram("...." + Ver + " data 2.0\nstill*/" + std::string(1, '\0'))),
              " data 2.0\nstill*/");
    EXPECT_EQ(ScanProgram(fotest::ElfProgram("pad." + Ver + " hostprog 2.1 (3.4.2024)" + std::string(1, '\0'))),
              " hostprog 2.1 (3.4.2024)");
    // A marker at the very end of a segment, its text running into the end.
    EXPECT_EQ(ScanProgram(fotest::ElfProgram("abc" + Ver + "xyz")), "xyz");
    EXPECT_EQ(ScanProgram(fotest::ElfProgram("no version here")), "(none)");
}

TEST_F(VersionScanLoaded, AnIdStringOutsideTheSegmentsIsNotFollowed)
{
    // The structure is passed over; the marker in the data is found.
    EXPECT_EQ(ScanProgram(fotest::ResidentProgram(Ver + " behind 1.0\r\n", true, false)), " behind 1.0");
}

}  // namespace
