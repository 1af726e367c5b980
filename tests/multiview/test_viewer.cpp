// The viewer command on the headless display: texts, dumps and pictures, scrolling, starting in the background, return codes.
#include "hex_dump.h"
#include "viewer_fixture.h"

#include <devices/inputevent.h>
#include <dos/dostags.h>
#include <hosted/display.h>
#include <hosted/dos.h>
#include <hosted/intuition.h>
#include <hosted/shell.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace {

using mvtest::ViewerTest;

class ViewerCommand : public ViewerTest {};

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += "line " + std::to_string(i) + "\n";
    return text;
}

TEST_F(ViewerCommand, ATextShowsItsLinesWithTabsExpanded)
{
    Write("notes.txt", "Name\tSize\tDate\n\tindented\nK\xC3\xA4se \xE2\x80\x94 UTF-8\r\nlast line without end");
    ASSERT_EQ(Start("notes.txt"), 0);
    struct Window *w = WaitForWindow("notes.txt");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(TextOf(w), (std::vector<std::string>{"Name    Size    Date", "        indented", "K\xE4se - UTF-8",
                                                   "last line without end"}));
    CloseByGadget(w);
}

TEST_F(ViewerCommand, TheKeysTheWheelAndTheScrollersMoveThroughALongText)
{
    Write("long.txt", NumberedLines(300));
    ASSERT_EQ(Start("long.txt"), 0);
    struct Window *w = WaitForWindow("long.txt");
    ASSERT_NE(w, nullptr);
    std::vector<std::string> first = TextOf(w);
    ASSERT_GT(first.size(), 5u);
    const std::size_t rows = first.size();
    EXPECT_EQ(first[0], "line 0");

    Key(RAWKEY_DOWN);
    EXPECT_EQ(TextOf(w).at(0), "line 1");
    Key(RAWKEY_PAGEDOWN);
    EXPECT_EQ(TextOf(w).at(0), "line " + std::to_string(rows));   // a page less one line
    Key(RAWKEY_UP);
    EXPECT_EQ(TextOf(w).at(0), "line " + std::to_string(rows - 1));
    Key(RAWKEY_END);
    EXPECT_EQ(TextOf(w).back(), "line 299");
    EXPECT_EQ(TextOf(w).size(), rows);
    Key(RAWKEY_PAGEDOWN);   // nothing lies beyond the end
    EXPECT_EQ(TextOf(w).back(), "line 299");
    Key(RAWKEY_HOME);
    EXPECT_EQ(TextOf(w).at(0), "line 0");
    Key(RAWKEY_UP);   // nor before the start
    EXPECT_EQ(TextOf(w).at(0), "line 0");
    Wheel(2);
    EXPECT_EQ(TextOf(w).at(0), "line 6");
    Wheel(-1);
    EXPECT_EQ(TextOf(w).at(0), "line 3");

    // The down arrow in the right border moves one line.
    struct Gadget *down = GadgetById(w, 3);
    ASSERT_NE(down, nullptr);
    LONG left, top, width, height;
    ScreenBox(w, down, left, top, width, height);
    Click(left + width / 2, top + height / 2);
    EXPECT_EQ(TextOf(w).at(0), "line 4");

    // Dragging the knob to the bottom shows the end; the knob says where.
    struct Gadget *scroller = GadgetById(w, 1);
    ASSERT_NE(scroller, nullptr);
    ScreenBox(w, scroller, left, top, width, height);
    Key(RAWKEY_HOME);
    Drag(left + width / 2, top + 3, left + width / 2, top + height + 40);
    EXPECT_EQ(TextOf(w).back(), "line 299");
    auto *info = static_cast<struct PropInfo *>(scroller->SpecialInfo);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->VertPot, MAXPOT);
    Key(RAWKEY_HOME);
    EXPECT_EQ(info->VertPot, 0);
    CloseByGadget(w);
}

TEST_F(ViewerCommand, TheTextFollowsTheWindowsSize)
{
    Write("long.txt", NumberedLines(300));
    ASSERT_EQ(Start("long.txt"), 0);
    struct Window *w = WaitForWindow("long.txt");
    ASSERT_NE(w, nullptr);
    Key(RAWKEY_DOWN);
    const std::size_t rows = TextOf(w).size();
    const LONG height = w->Height;
    SizeWindow(w, 0, -(w->Height / 2));
    Settle();
    std::vector<std::string> fewer = TextOf(w);
    EXPECT_LT(fewer.size(), rows);
    EXPECT_EQ(fewer.at(0), "line 1");   // the same line stays on top
    SizeWindow(w, 0, height + 60 - w->Height);
    Settle();
    EXPECT_GT(TextOf(w).size(), rows);
    // At the end, growing shows more of what lies before it.
    Key(RAWKEY_END);
    SizeWindow(w, 0, 60);
    Settle();
    EXPECT_EQ(TextOf(w).back(), "line 299");
    CloseByGadget(w);
}

TEST_F(ViewerCommand, ALongLineScrollsSideways)
{
    std::string wide(400, 'x');
    wide += "END";
    Write("wide.txt", "short\n" + wide + "\n");
    ASSERT_EQ(Start("wide.txt"), 0);
    struct Window *w = WaitForWindow("wide.txt");
    ASSERT_NE(w, nullptr);
    // The line is shown whole in the text, unwrapped.
    EXPECT_EQ(TextOf(w), (std::vector<std::string>{"short", wide}));
    struct Gadget *across = GadgetById(w, 4);
    ASSERT_NE(across, nullptr);
    auto *info = static_cast<struct PropInfo *>(across->SpecialInfo);
    EXPECT_LT(info->HorizBody, MAXBODY);   // wider than the window
    EXPECT_EQ(info->HorizPot, 0);
    Key(RAWKEY_RIGHT, IEQUALIFIER_LSHIFT);
    EXPECT_GT(info->HorizPot, 0);
    CloseByGadget(w);
}

TEST_F(ViewerCommand, DataThatIsNoTextShowsAsADump)
{
    std::string bytes;
    for (int i = 0; i < 40; i++)
        bytes += static_cast<char>(i * 7);
    Write("data.bin", bytes);
    ASSERT_EQ(Start("data.bin"), 0);
    struct Window *w = WaitForWindow("data.bin");
    ASSERT_NE(w, nullptr);
    const auto *b = reinterpret_cast<const UBYTE *>(bytes.data());
    using hosted::multiview::HexDumpLine;
    EXPECT_EQ(TextOf(w), (std::vector<std::string>{HexDumpLine(0, b, 16, 8), HexDumpLine(16, b + 16, 16, 8),
                                                   HexDumpLine(32, b + 32, 8, 8)}));
    EXPECT_EQ(TextOf(w).at(0).substr(0, 16), "00000000  00 07 ");
    CloseByGadget(w);
}

// A picture whose pixels tell where they are: red x mod 256, green y mod
// 256, blue the multiples of 256 of both.
std::vector<UBYTE> CodedPixels(LONG width, LONG height)
{
    std::vector<UBYTE> pixels(static_cast<std::size_t>(width) * height * 4);
    for (LONG y = 0; y < height; y++) {
        for (LONG x = 0; x < width; x++) {
            UBYTE *p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            p[0] = static_cast<UBYTE>((x / 256) * 16 + y / 256);   // BGRA: blue first
            p[1] = static_cast<UBYTE>(y % 256);
            p[2] = static_cast<UBYTE>(x % 256);
            p[3] = 0xFF;
        }
    }
    return pixels;
}

ULONG CodeOf(LONG x, LONG y)
{
    return (static_cast<ULONG>(x % 256) << 16) | (static_cast<ULONG>(y % 256) << 8) |
           static_cast<ULONG>((x / 256) * 16 + y / 256);
}

TEST_F(ViewerCommand, APictureShowsItsPixelsFromThePagesCorner)
{
    std::vector<UBYTE> pixels = CodedPixels(120, 90);
    std::string error;
    ASSERT_TRUE(hosted::WritePng(HostPath("picture.data"), pixels.data(), 120, 90, 120 * 4, error)) << error;
    ASSERT_EQ(Start("picture.data"), 0);   // told by its contents, not its name
    struct Window *w = WaitForWindow("picture.data");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(TextOf(w), std::vector<std::string>{"png picture, 120 x 90 pixels"});
    EXPECT_EQ(w->Width - w->BorderLeft - w->BorderRight, 160);   // the narrowest a viewer gets
    EXPECT_EQ(w->Height - w->BorderTop - w->BorderBottom, 90);   // as high as the picture
    const LONG x0 = w->LeftEdge + w->BorderLeft;
    const LONG y0 = w->TopEdge + w->BorderTop;
    for (LONG y : {0, 1, 45, 89}) {
        for (LONG x : {0, 1, 60, 119})
            EXPECT_EQ(hosted::FramePixel(x0 + x, y0 + y), CodeOf(x, y)) << x << "," << y;
    }
    // Beside the picture the page is a light chequerboard.
    ULONG beside = hosted::FramePixel(x0 + 130, y0 + 4);
    EXPECT_TRUE(beside == 0xFFFFFF || beside == 0xE3E5E8) << std::hex << beside;
    CloseByGadget(w);
}

TEST_F(ViewerCommand, APictureLargerThanTheScreenScrolls)
{
    std::vector<UBYTE> pixels = CodedPixels(1400, 1000);
    std::string error;
    ASSERT_TRUE(hosted::WritePng(HostPath("big.png"), pixels.data(), 1400, 1000, 1400 * 4, error)) << error;
    ASSERT_EQ(Start("big.png"), 0);
    struct Window *w = WaitForWindow("big.png");
    ASSERT_NE(w, nullptr);
    EXPECT_LE(w->LeftEdge + w->Width, 1024);
    EXPECT_LE(w->TopEdge + w->Height, 768);
    const LONG x0 = w->LeftEdge + w->BorderLeft;
    const LONG y0 = w->TopEdge + w->BorderTop;
    const LONG pageHeight = w->Height - w->BorderTop - w->BorderBottom;
    EXPECT_EQ(hosted::FramePixel(x0, y0), CodeOf(0, 0));
    Key(RAWKEY_END);
    EXPECT_EQ(hosted::FramePixel(x0, y0), CodeOf(0, 1000 - pageHeight));
    EXPECT_EQ(hosted::FramePixel(x0 + 3, y0 + pageHeight - 1), CodeOf(3, 999));
    Key(RAWKEY_RIGHT);
    ULONG moved = hosted::FramePixel(x0, y0);
    EXPECT_GT((moved >> 16) & 0xFF, 0u);   // the page starts further right in the picture
    EXPECT_EQ(moved & 0xFFFF, CodeOf(0, 1000 - pageHeight) & 0xFFFF);
    CloseByGadget(w);
}

TEST_F(ViewerCommand, StartedInTheBackgroundItReturnsAtOnceAndSeveralRunSideBySide)
{
    Write("one.txt", "first viewer\n");
    Write("two.txt", "second viewer\n");
    ASSERT_EQ(Start("one.txt"), 0);
    ASSERT_EQ(Start("two.txt"), 0);
    struct Window *one = WaitForWindow("one.txt");
    struct Window *two = WaitForWindow("two.txt");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(hosted::RunningBackgroundCommands(), 2);
    // They do not lie exactly on top of each other.
    EXPECT_NE(one->LeftEdge, two->LeftEdge);
    // The caller goes on working meanwhile: a command of its own runs.
    BPTR nil = Open("NIL:", MODE_NEWFILE);
    struct TagItem quiet[] = {{SYS_Output, static_cast<IPTR>(nil)}, {TAG_DONE, 0}};
    EXPECT_EQ(SystemTagList("Multiview", quiet), RETURN_FAIL);
    Close(nil);

    CloseByGadget(one);
    EXPECT_TRUE(WaitForWindow("two.txt") != nullptr);
    EXPECT_EQ(TextOf(two), std::vector<std::string>{"second viewer"});
    // Escape closes a viewer too (the one a person clicked into).
    Click(two->LeftEdge + two->Width / 2, two->TopEdge + two->Height / 2);
    Key(RAWKEY_ESC);
    EXPECT_TRUE(WaitForNoWindow("two.txt"));
    EXPECT_TRUE(WaitForBackground());
}

// Runs a command line synchronously on a task of its own, so that the
// test can work the window meanwhile. The command's output goes to a file.
struct Synchronous {
    std::atomic<bool> done{false};
    LONG result = -1;
    LONG error = 0;
    std::thread thread;

    Synchronous(const std::string &command, const std::string &outputPath, BPTR directory)
    {
        thread = std::thread([this, command, outputPath, directory] {
            // The task's own current directory is the test's drawer.
            BPTR here = DupLock(directory);
            BPTR old = CurrentDir(here);
            std::string volumePath;
            BPTR out = hosted::VolumePathOf(outputPath, volumePath) ? Open(volumePath.c_str(), MODE_NEWFILE) : 0;
            struct TagItem tags[] = {{SYS_Output, static_cast<IPTR>(out)}, {TAG_DONE, 0}};
            result = SystemTagList(command.c_str(), out != 0 ? tags : nullptr);
            error = IoErr();
            Close(out);
            CurrentDir(old);
            UnLock(here);
            done = true;
        });
    }
    ~Synchronous()
    {
        if (thread.joinable())
            thread.join();
    }
    void Join() { thread.join(); }
};

std::string ReadFile(const std::string &path)
{
    std::string text;
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return text;
    char buffer[512];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return text;
}

TEST_F(ViewerCommand, ReturnCodesSayWhetherTheFileCouldBeShown)
{
    Write("fine.txt", "fine\n");
    {
        Synchronous run("Multiview fine.txt", HostPath("out"), rootLock_);
        struct Window *w = WaitForWindow("fine.txt");
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(run.done);   // it waits for the window to be closed
        CloseByGadget(w);
        run.Join();
        EXPECT_EQ(run.result, RETURN_OK);
    }
    {
        // A file that cannot be opened: the window says why.
        Synchronous run("Multiview \"no such file\"", HostPath("out"), rootLock_);
        struct Window *w = WaitForWindow("no such file");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(TextOf(w), (std::vector<std::string>{"Multiview cannot show \"no such file\":", "object not found"}));
        CloseByGadget(w);
        run.Join();
        EXPECT_EQ(run.result, RETURN_ERROR);
        EXPECT_EQ(run.error, ERROR_OBJECT_NOT_FOUND);
        EXPECT_EQ(ReadFile(HostPath("out")), "");   // the window said it
    }
    {
        // A drawer is no file.
        ASSERT_EQ(mkdir(HostPath("drawer").c_str(), 0755), 0);
        Synchronous run("Multiview drawer", HostPath("out"), rootLock_);
        struct Window *w = WaitForWindow("drawer");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(TextOf(w).at(1), "object not of required type");
        CloseByGadget(w);
        run.Join();
        EXPECT_EQ(run.result, RETURN_ERROR);
    }
    {
        // A picture that ends early is known as one, and said to be broken.
        std::vector<UBYTE> pixels(64 * 64 * 4, 0x80);
        std::string error;
        ASSERT_TRUE(hosted::WritePng(HostPath("whole.png"), pixels.data(), 64, 64, 64 * 4, error));
        int fd = open(HostPath("whole.png").c_str(), O_RDONLY);
        char head[60];
        ASSERT_EQ(read(fd, head, sizeof head), static_cast<ssize_t>(sizeof head));
        close(fd);
        Write("cut.png", std::string(head, sizeof head));
        Synchronous run("Multiview cut.png", HostPath("out"), rootLock_);
        struct Window *w = WaitForWindow("cut.png");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(TextOf(w).at(0), "Multiview cannot show \"cut.png\":");
        CloseByGadget(w);
        run.Join();
        EXPECT_EQ(run.result, RETURN_ERROR);
    }
    {
        Synchronous none("Multiview", HostPath("out"), rootLock_);
        none.Join();
        EXPECT_EQ(none.result, RETURN_FAIL);
        EXPECT_EQ(none.error, ERROR_REQUIRED_ARG_MISSING);
        EXPECT_EQ(ReadFile(HostPath("out")), "Multiview: required argument missing\n");
        Synchronous two("Multiview a b", HostPath("out"), rootLock_);
        two.Join();
        EXPECT_EQ(two.result, RETURN_FAIL);
        EXPECT_EQ(two.error, ERROR_TOO_MANY_ARGS);
    }
    EXPECT_TRUE(WindowTitles().empty());
}

TEST_F(ViewerCommand, AnEmptyFileAndAHelpDocumentWithoutNodesShowAsText)
{
    Write("empty", "");
    Write("header.guide", "@database header\nno nodes at all\n");
    ASSERT_EQ(Start("empty"), 0);
    ASSERT_EQ(Start("header.guide"), 0);
    struct Window *empty = WaitForWindow("empty");
    struct Window *header = WaitForWindow("header.guide");
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(header, nullptr);
    EXPECT_TRUE(TextOf(empty).empty());
    EXPECT_EQ(TextOf(header), (std::vector<std::string>{"@database header", "no nodes at all"}));
    CloseByGadget(empty);
    CloseByGadget(header);
}

}  // namespace
