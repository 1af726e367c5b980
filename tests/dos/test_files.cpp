// Files: the open modes, Read, Write, Seek, buffered character I/O, formatting, NIL: and consoles.
#include "dos_test_support.h"

#include <hosted/console.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

using dostest::DosTest;

TEST_F(DosTest, OpenModesCreateKeepAndTruncate)
{
    EXPECT_EQ(Open("missing", MODE_OLDFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    BPTR file = Open("f", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    EXPECT_EQ(Write(file, "abcdef", 6), 6);
    EXPECT_TRUE(Close(file));
    file = Open("f", MODE_READWRITE);
    ASSERT_NE(file, 0);
    EXPECT_EQ(Write(file, "XY", 2), 2);
    Close(file);
    EXPECT_EQ(dostest::ReadHostFile(Host("f")), "XYcdef");
    file = Open("g", MODE_READWRITE);
    ASSERT_NE(file, 0);
    Close(file);
    EXPECT_TRUE(dostest::HostExists(Host("g")));
    file = Open("f", MODE_NEWFILE);
    Close(file);
    EXPECT_EQ(dostest::ReadHostFile(Host("f")), "");
    mkdir(Host("drawer").c_str(), 0755);
    EXPECT_EQ(Open("drawer", MODE_OLDFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(Open("drawer", MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(Open("f", 1234), 0);
}

TEST_F(DosTest, ReadWriteAndSeekKeepThePosition)
{
    BPTR file = Open("f", MODE_NEWFILE);
    ASSERT_EQ(Write(file, "0123456789", 10), 10);
    EXPECT_EQ(Seek(file, 2, OFFSET_BEGINNING), 10);
    char buffer[16] = {};
    EXPECT_EQ(Read(file, buffer, 3), 3);
    EXPECT_STREQ(buffer, "234");
    EXPECT_EQ(Seek(file, -1, OFFSET_END), 5);
    EXPECT_EQ(Read(file, buffer, 10), 1);
    EXPECT_EQ(buffer[0], '9');
    EXPECT_EQ(Read(file, buffer, 10), 0);
    EXPECT_EQ(Seek(file, 0, OFFSET_CURRENT), 10);
    EXPECT_EQ(Seek(file, 5, OFFSET_END), -1);
    EXPECT_EQ(IoErr(), ERROR_SEEK_ERROR);
    EXPECT_EQ(Seek(file, -20, OFFSET_CURRENT), -1);
    EXPECT_EQ(Read(file, buffer, -1), -1);
    Close(file);
}

TEST_F(DosTest, AnOldFileHandleWritesInPlace)
{
    dostest::WriteHostFile(Host("f"), "abcdefgh");
    BPTR file = Open("f", MODE_OLDFILE);
    ASSERT_NE(file, 0);
    char buffer[4] = {};
    EXPECT_EQ(Read(file, buffer, 2), 2);
    EXPECT_EQ(Write(file, "XY", 2), 2);
    EXPECT_EQ(Read(file, buffer, 3), 3);
    EXPECT_STREQ(buffer, "efg");
    EXPECT_TRUE(Close(file));
    EXPECT_EQ(dostest::ReadHostFile(Host("f")), "abXYefgh");
}

TEST_F(DosTest, BigTransfersArriveWhole)
{
    std::vector<char> data(3 * 1024 * 1024 + 17);
    for (size_t i = 0; i < data.size(); i++)
        data[i] = static_cast<char>(i * 7 + i / 4096);
    BPTR out = Open("big", MODE_NEWFILE);
    ASSERT_EQ(Write(out, data.data(), static_cast<LONG>(data.size())), static_cast<LONG>(data.size()));
    Close(out);
    std::vector<char> back(data.size() + 100);
    BPTR in = Open("big", MODE_OLDFILE);
    LONG total = 0;
    for (;;) {
        LONG got = Read(in, back.data() + total, 1024000);
        ASSERT_GE(got, 0);
        if (got == 0)
            break;
        total += got;
    }
    Close(in);
    ASSERT_EQ(total, static_cast<LONG>(data.size()));
    EXPECT_EQ(std::memcmp(back.data(), data.data(), data.size()), 0);
}

TEST_F(DosTest, CharacterIoIsBufferedAndFlushedOnClose)
{
    BPTR file = Open("lines", MODE_NEWFILE);
    EXPECT_EQ(FPutC(file, 'A'), 'A');
    EXPECT_EQ(FPuts(file, "bc\nsecond line\n"), 0);
    IPTR arguments[] = {reinterpret_cast<IPTR>("name"), static_cast<IPTR>(-42), 4000000000u, 0xBEEF, 'z',
                        reinterpret_cast<IPTR>("name"), static_cast<IPTR>(-42), static_cast<IPTR>(-42)};
    EXPECT_EQ(VFPrintf(file, "%s|%ld|%lu|%lx|%c|%5s|%-4ld|%04ld|%%\n", arguments), 45);
    // Mixed with a raw write, the order holds.
    EXPECT_EQ(Write(file, "raw\n", 4), 4);
    EXPECT_TRUE(Close(file));
    EXPECT_EQ(dostest::ReadHostFile(Host("lines")),
              "Abc\nsecond line\nname|-42|4000000000|beef|z| name|-42 |-042|%\nraw\n");

    file = Open("lines", MODE_OLDFILE);
    char line[64];
    ASSERT_EQ(FGets(file, line, sizeof line), line);
    EXPECT_STREQ(line, "Abc\n");
    EXPECT_EQ(FGetC(file), 's');
    char rest[7] = {};
    EXPECT_EQ(Read(file, rest, 6), 6);   // continues after the buffered byte
    EXPECT_STREQ(rest, "econd ");
    ASSERT_EQ(FGets(file, line, 5), line);
    EXPECT_STREQ(line, "line");
    while (FGets(file, line, sizeof line) != nullptr) {
    }
    EXPECT_EQ(FGetC(file), -1);
    EXPECT_EQ(IoErr(), 0);
    Close(file);
}

TEST_F(DosTest, PutStrAndVPrintfGoToTheSelectedOutput)
{
    BPTR file = Open("out", MODE_NEWFILE);
    BPTR old = SelectOutput(file);
    EXPECT_EQ(Output(), file);
    EXPECT_EQ(PutStr("To little memory\n"), 0);
    IPTR arguments[] = {7};
    EXPECT_EQ(VPrintf("%ld\n", arguments), 2);
    EXPECT_EQ(SelectOutput(old), file);
    Close(file);
    EXPECT_EQ(dostest::ReadHostFile(Host("out")), "To little memory\n7\n");
}

TEST_F(DosTest, NilSwallowsWritesAndReadsEmpty)
{
    BPTR nil = Open("NIL:", MODE_NEWFILE);
    ASSERT_NE(nil, 0);
    EXPECT_EQ(Write(nil, "gone", 4), 4);
    char buffer[4];
    EXPECT_EQ(Read(nil, buffer, 4), 0);
    EXPECT_GE(hosted::HostDescriptorOf(nil), 0);
    EXPECT_FALSE(IsInteractive(nil));
    EXPECT_TRUE(Close(nil));
}

TEST_F(DosTest, AFullDiskFailsTheWriteWithItsCode)
{
    int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (full < 0)
        GTEST_SKIP() << "no /dev/full";
    BPTR file = hosted::FileHandleFromDescriptor(full, true, false);
    std::vector<char> data(100000, 'x');
    EXPECT_EQ(Write(file, data.data(), static_cast<LONG>(data.size())), -1);
    EXPECT_EQ(IoErr(), ERROR_DISK_FULL);
    EXPECT_EQ(FPuts(file, "buffered"), 0);
    EXPECT_FALSE(Close(file));   // the buffered bytes cannot go out either
    EXPECT_EQ(IoErr(), ERROR_DISK_FULL);
}

TEST_F(DosTest, NamesTooLongForTheHostAreInvalidNamesNotLargeObjects)
{
    std::string name(300, 'n');
    EXPECT_EQ(Lock(name.c_str(), SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_INVALID_COMPONENT_NAME);
    EXPECT_EQ(Open(name.c_str(), MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_INVALID_COMPONENT_NAME);
}

TEST_F(DosTest, ANamedPipeWithoutAWriterNeverHangs)
{
    ASSERT_EQ(mkfifo(Host("fifo").c_str(), 0644), 0);
    BPTR lock = Lock("", SHARED_LOCK);
    struct FileInfoBlock fib;
    Examine(lock, &fib);
    ASSERT_TRUE(ExNext(lock, &fib));
    EXPECT_EQ(fib.fib_DirEntryType, ST_PIPEFILE);
    UnLock(lock);
    BPTR file = Open("fifo", MODE_OLDFILE);
    ASSERT_NE(file, 0);
    char buffer[16];
    EXPECT_EQ(Read(file, buffer, sizeof buffer), 0);
    Close(file);
}

TEST(Console, DescriptionsParse)
{
    hosted::ConsoleSpec shape;
    ASSERT_TRUE(hosted::ParseConsoleSpec("64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", shape));
    EXPECT_EQ(shape.left, 64);
    EXPECT_EQ(shape.top, 64);
    EXPECT_EQ(shape.width, 475);
    EXPECT_EQ(shape.height, 128);
    EXPECT_EQ(shape.title, "Kestrovane error message");
    EXPECT_TRUE(shape.autoOpen);
    EXPECT_TRUE(shape.close);
    EXPECT_TRUE(shape.wait);
    ASSERT_TRUE(hosted::ParseConsoleSpec("0/0/640/200/Output/close", shape));
    EXPECT_TRUE(shape.close);
    EXPECT_FALSE(shape.wait);
    EXPECT_EQ(shape.screen, "");
    ASSERT_TRUE(hosted::ParseConsoleSpec("0/0/640/200/Output/SCREEN Double Kestrovane 1/CLOSE", shape));
    EXPECT_EQ(shape.screen, "Double Kestrovane 1");
    EXPECT_TRUE(shape.close);
    ASSERT_TRUE(hosted::ParseConsoleSpec("", shape));
    EXPECT_EQ(shape.width, -1);
    EXPECT_FALSE(hosted::ParseConsoleSpec("a/0/10/10/x", shape));
    EXPECT_FALSE(hosted::ParseConsoleSpec("0/0/10/10/x/BOGUS", shape));
}

// A console sink that keeps what is written, as a window would show it.
class RecordingConsole : public hosted::ConsoleStream {
public:
    explicit RecordingConsole(std::string &out) : out_(out) {}
    LONG Read(void *, LONG, LONG &) override { return 0; }
    LONG Write(const void *buffer, LONG length, LONG &) override
    {
        out_.append(static_cast<const char *>(buffer), static_cast<size_t>(length));
        return length;
    }
    void Close() override { out_ += "<closed>"; }
    bool Interactive() const override { return true; }

private:
    std::string &out_;
};

TEST(Console, OpenHandsTheDescriptionToTheSink)
{
    std::string shown;
    hosted::ConsoleSpec seen;
    hosted::SetConsoleFactory([&](const hosted::ConsoleSpec &shape, LONG &) {
        seen = shape;
        return std::unique_ptr<hosted::ConsoleStream>(new RecordingConsole(shown));
    });
    BPTR console = Open("CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", MODE_NEWFILE);
    ASSERT_NE(console, 0);
    EXPECT_EQ(seen.title, "Kestrovane error message");
    EXPECT_TRUE(IsInteractive(console));
    BPTR old = SelectOutput(console);
    EXPECT_EQ(PutStr("To little memory for Kestrovane to start\n"), 0);
    SelectOutput(old);
    EXPECT_TRUE(Close(console));
    EXPECT_EQ(shown, "To little memory for Kestrovane to start\n<closed>");
    EXPECT_EQ(Open("CON:x/y", MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_BAD_STREAM_NAME);
    BPTR own = Open("CONSOLE:", MODE_NEWFILE);
    ASSERT_NE(own, 0);
    EXPECT_TRUE(seen.processConsole);
    Close(own);
    hosted::SetConsoleFactory(nullptr);
}

TEST(Console, WithoutATerminalTheDefaultWritesToStandardError)
{
    int terminal = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal >= 0) {
        close(terminal);
        GTEST_SKIP() << "a terminal is attached (the console would read from it)";
    }
    BPTR console = Open("CONSOLE:", MODE_NEWFILE);
    ASSERT_NE(console, 0);
    EXPECT_GE(hosted::HostWriteDescriptorOf(console), 0);
    EXPECT_GE(hosted::HostReadDescriptorOf(console), 0);
    char buffer[4];
    EXPECT_EQ(Read(console, buffer, sizeof buffer), 0);
    EXPECT_EQ(Write(console, "console test\n", 13), 13);
    EXPECT_TRUE(Close(console));
}

TEST_F(DosTest, HandlesAroundHostDescriptors)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    BPTR writer = hosted::FileHandleFromDescriptor(pipeEnds[1], true, false);
    BPTR reader = hosted::FileHandleFromDescriptor(pipeEnds[0], true, false);
    EXPECT_EQ(hosted::HostDescriptorOf(writer), pipeEnds[1]);
    EXPECT_EQ(FPuts(writer, "through the pipe\n"), 0);
    EXPECT_TRUE(Close(writer));   // flushes
    char line[64];
    ASSERT_NE(FGets(reader, line, sizeof line), nullptr);
    EXPECT_STREQ(line, "through the pipe\n");
    EXPECT_TRUE(Close(reader));
}

}  // namespace
