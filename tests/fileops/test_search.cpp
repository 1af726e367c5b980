// The search: the case partners, a substring search that misses nothing, the range and marks, "Thru files:".
#include "entry_support.h"

#include <fileops/search.h>

#include <algorithm>
#include <random>

namespace {

using namespace fileopstest;

bool Find(const std::string &pattern, const std::string &subject, bool ignoreCase)
{
    SearchPattern prepared;
    EXPECT_TRUE(PrepareSearchPattern(prepared, pattern.c_str(), ignoreCase));
    return FindPattern(prepared, reinterpret_cast<const UBYTE *>(subject.data()), ULONG(subject.size()));
}

TEST(SearchPattern, TheCasePartnersAreTheTablesFourRanges)
{
    for (int b = 0; b < 256; b++) {
        int expected = (b >= 65 && b <= 90) || (b >= 192 && b <= 223) ? b + 32
                       : (b >= 97 && b <= 122) || b >= 224           ? b - 32
                                                                      : b;
        EXPECT_EQ(CaseAlternate(UBYTE(b)), expected) << b;
    }
    EXPECT_EQ(CaseAlternate(215), 247);
    EXPECT_EQ(CaseAlternate(247), 215);
    EXPECT_EQ(CaseAlternate(223), 255);
    EXPECT_EQ(CaseAlternate(255), 223);

    EXPECT_TRUE(Find("Readme", "README", true));
    EXPECT_TRUE(Find("Readme", "readme", true));
    EXPECT_FALSE(Find("Readme", "README", false));
    EXPECT_FALSE(Find("Readme", "readme", false));
    EXPECT_TRUE(Find("Readme", "old.Readme.txt", false));
    EXPECT_TRUE(Find("\xD7x", "a\xF7X", true));    // 215 and 247
    EXPECT_FALSE(Find("\xD7x", "a\xF7X", false));
    EXPECT_TRUE(Find("\xFF", "\xDF", true));        // 255 and 223
    EXPECT_FALSE(Find("@", "`", true));             // 64 and 96 are no partners
}

TEST(SearchPattern, EveryOccurrenceIsFoundOverlapsBordersAndZeroBytesToo)
{
    EXPECT_TRUE(Find("aab", "aaab", false));
    EXPECT_TRUE(Find("aab", "xaab", false));
    EXPECT_TRUE(Find("AAB", "aaab", true));
    EXPECT_TRUE(Find("abab", "abaabab", false));
    EXPECT_TRUE(Find("x", "x", false));
    EXPECT_FALSE(Find("xy", "x", false));
    EXPECT_TRUE(Find(std::string("a\0b", 3), std::string("zza\0b", 5), false));
    EXPECT_FALSE(Find("ab", "a", false));
    SearchPattern empty;
    EXPECT_FALSE(PrepareSearchPattern(empty, "", true));

    // Against a plain search on random data over a small alphabet, where
    // near misses and overlaps are everywhere.
    std::mt19937 random(12345);
    const std::string alphabet = "aAbB\xD7\xF7\x00";
    for (int round = 0; round < 3000; round++) {
        std::string pattern, subject;
        size_t m = 1 + random() % 5, n = random() % 40;
        for (size_t i = 0; i < m; i++)
            pattern += alphabet[random() % 6];
        for (size_t i = 0; i < n; i++)
            subject += alphabet[random() % 7];
        for (bool ignoreCase : {false, true}) {
            auto same = [&](char a, char b) {
                return a == b || (ignoreCase && UBYTE(a) == CaseAlternate(UBYTE(b)));
            };
            bool expected = std::search(subject.begin(), subject.end(), pattern.begin(), pattern.end(), same) !=
                            subject.end();
            ASSERT_EQ(Find(pattern, subject, ignoreCase), expected)
                << "\"" << pattern << "\" in \"" << subject << "\" " << ignoreCase;
        }
    }
}

TEST(SearchRange, FromTheFirstSelectedRowOnItStaysSelectedAndFoundRowsAreAdded)
{
    TableRows rows({{"readme.before", FileType, false},
                    {"start", FileType, true},
                    {"README", FileType, false},
                    {"Docs-Readme", DrawerType, false},
                    {"other", FileType, false},
                    {"readme.chosen", FileType, true},
                    {"readme.last", FileType, false}});
    SearchPattern pattern;
    ASSERT_TRUE(PrepareSearchPattern(pattern, "Readme", TRUE));
    ScriptedControl control;
    SearchResult result = SearchRows(rows, pattern, SearchOptions{}, control);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.found, 3u);
    EXPECT_EQ(rows.SelectedNames(), (std::vector<std::string>{"start", "README", "Docs-Readme", "readme.chosen",
                                                              "readme.last"}));
    EXPECT_EQ(rows.reselected, 0);

    // A first row that matches keeps its mark, and nothing selected, nothing searched.
    TableRows matching({{"Readme", FileType, true}, {"x", FileType, false}});
    result = SearchRows(matching, pattern, SearchOptions{}, control);
    EXPECT_EQ(result.found, 0u);
    EXPECT_EQ(matching.reselected, 0);
    TableRows none({{"Readme", FileType, false}});
    result = SearchRows(none, pattern, SearchOptions{}, control);
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(none.SelectedNames().empty());
}

class ThruFilesTest : public EntryOpsTest {
protected:
    SearchResult Search(TableRows &rows, const char *text, ULONG bufferSize = 64)
    {
        SearchPattern pattern;
        EXPECT_TRUE(PrepareSearchPattern(pattern, text, TRUE));
        buffer_.assign(bufferSize, 0);
        SearchOptions options;
        options.thruFiles = TRUE;
        options.buffer = buffer_.data();
        options.bufferSize = bufferSize;
        options.fib = &fib_;
        return SearchRows(rows, pattern, options, control_);
    }

    std::vector<UBYTE> buffer_;
    struct FileInfoBlock fib_ = {};
    ScriptedControl control_;
};

TEST_F(ThruFilesTest, FileHeadsAreSearchedDrawersAndNamesPassedOverAndTheBufferIsTheLimit)
{
    MakeFile("start", "nothing");
    MakeFile("has", "some text with NEEDLE in it");
    MakeFile("needle-name", "no match inside");
    MakeDrawer("needle-drawer");
    MakeFile("late", std::string(64, '.') + "needle");     // beyond the 64-byte head
    MakeFile("edge", std::string(58, '.') + "needle");     // the head's last bytes
    MakeFile("empty", "");
    MakeFile("binary", std::string("\0\0nEeDlE\0", 9));
    TableRows rows({{"start", FileType, true},
                    {"has", FileType, false},
                    {"needle-name", FileType, false},
                    {"needle-drawer", DrawerType, false},
                    {"late", FileType, false},
                    {"edge", FileType, false},
                    {"empty", FileType, false},
                    {"binary", FileType, false}});
    SearchResult result = Search(rows, "needle");
    EXPECT_EQ(rows.SelectedNames(), (std::vector<std::string>{"start", "has", "edge", "binary"}));
    EXPECT_EQ(result.found, 3u);
    EXPECT_TRUE(control_.failures.empty());
}

TEST_F(ThruFilesTest, AFileThatCannotBeLockedAsksSkipOrAbort)
{
    MakeFile("a", "needle");
    MakeFile("c", "needle");
    MakeFile("e", "needle");
    TableRows rows({{"a", FileType, true},
                    {"gone", FileType, false},
                    {"c", FileType, false},
                    {"gone2", FileType, false},
                    {"e", FileType, false}});
    control_.answers = {TRUE, FALSE};   // "Skip", then "Abort"
    SearchResult result = Search(rows, "needle");
    ASSERT_EQ(control_.failures.size(), 2u);
    EXPECT_EQ(control_.failures[0].name, "gone");
    EXPECT_EQ(control_.failures[0].error, ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(control_.failures[0].buttons, FaultButtons::SkipAbort);
    EXPECT_TRUE(result.ended);
    // What was found before "Abort" stays selected; nothing after it is looked at.
    EXPECT_EQ(rows.SelectedNames(), (std::vector<std::string>{"a", "c"}));
}

}  // namespace
