// Typing into console windows: lines read with their line feed, editing keys, type-ahead, short buffers, Ctrl-\.
#include "console_fixture.h"

#include <thread>

namespace {

using namespace contest;
using Lines = std::vector<std::string>;

std::string ReadSome(BPTR file, LONG length)
{
    std::string buffer(static_cast<std::size_t>(length), '\0');
    LONG got = Read(file, buffer.data(), length);
    return got < 0 ? "<failed>" : buffer.substr(0, static_cast<std::size_t>(got));
}

TEST(ConsoleInput, ATypedLineIsReadWithItsLineFeed)
{
    BPTR con = Open("CON:80/80/320/160/Input probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "name? ");
    std::string line;
    std::thread reader([&] { line = ReadSome(con, 100); });
    Settle();   // waiting for the person counts as idle
    Type("Ann");
    EXPECT_TRUE(line.empty());   // nothing before Return
    EXPECT_EQ(TextOf("Input probe"), (Lines{"name? Ann"}));   // echoed where the cursor was
    Press("Return");
    reader.join();
    EXPECT_EQ(line, "Ann\n");
    Put(con, "hello Ann\n");
    Settle();
    EXPECT_EQ(TextOf("Input probe"), (Lines{"name? Ann", "hello Ann"}));
    Close(con);
}

TEST(ConsoleInput, EditingKeys)
{
    BPTR con = Open("CON:80/80/320/160/Editing probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "> ");
    Type("helo");
    Press("Left");
    Type("l");            // hello
    Press("Home");
    Press("Delete");      // ello
    Press("End");
    Press("BackSpace");   // ell
    EXPECT_EQ(TextOf("Editing probe"), (Lines{"> ell"}));
    Press("Return");
    EXPECT_EQ(ReadSome(con, 100), "ell\n");
    // Up brings the line back.
    Press("Up");
    Type("s");
    Press("Return");
    EXPECT_EQ(ReadSome(con, 100), "ells\n");
    EXPECT_EQ(TextOf("Editing probe"), (Lines{"> ell", "ells"}));
    Close(con);
}

TEST(ConsoleInput, TypeAheadAndShortBuffers)
{
    BPTR con = Open("CON:80/80/320/160/Buffer probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    // Lines typed before anyone reads wait, one read each.
    Type("one");
    Press("Return");
    Type("two");
    Press("Return");
    EXPECT_EQ(ReadSome(con, 100), "one\n");
    EXPECT_EQ(ReadSome(con, 100), "two\n");
    // A line longer than the buffer comes in pieces; nothing is lost.
    Type("abcdefgh");
    Press("Return");
    EXPECT_EQ(ReadSome(con, 3), "abc");
    EXPECT_EQ(ReadSome(con, 3), "def");
    EXPECT_EQ(ReadSome(con, 3), "gh\n");
    // Buffered reading of lines works as well.
    Type("through FGets");
    Press("Return");
    char text[64] = {};
    ASSERT_NE(FGets(con, text, sizeof text), nullptr);
    EXPECT_STREQ(text, "through FGets\n");
    Close(con);
}

TEST(ConsoleInput, CtrlBackslashIsTheEndOfTheInput)
{
    BPTR con = Open("CON:80/80/320/160/End probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    LONG got = -2;
    std::thread reader([&] {
        char buffer[16];
        got = Read(con, buffer, sizeof buffer);
    });
    Settle();
    CtrlBackslash();
    reader.join();
    EXPECT_EQ(got, 0);
    // The console goes on afterwards.
    Type("after");
    Press("Return");
    EXPECT_EQ(ReadSome(con, 100), "after\n");
    // A line begun is read first, without a line feed, then the end.
    Type("part");
    CtrlBackslash();
    EXPECT_EQ(ReadSome(con, 100), "part");
    EXPECT_EQ(ReadSome(con, 100), "");
    EXPECT_NE(FindWindow("End probe"), nullptr);
    Close(con);
}

TEST(ConsoleInput, ARequestIsAnsweredInTheInput)
{
    BPTR con = Open("CON:80/80/320/160/Request probe", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Put(con, "ab\x9b" "6n");
    EXPECT_EQ(ReadSome(con, 100), "\x9b" "1;3R");
    Close(con);
}

TEST(ConsoleInput, ReadingOpensAnAutoWindow)
{
    BPTR con = Open("CON:80/80/320/160/Auto reader/AUTO", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    std::string line;
    std::thread reader([&] { line = ReadSome(con, 100); });
    ASSERT_TRUE(WaitForWindow("Auto reader"));
    Settle();
    Type("typed");
    Press("Return");
    reader.join();
    EXPECT_EQ(line, "typed\n");
    Close(con);
}

}  // namespace
