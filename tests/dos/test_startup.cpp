// What every process gets from dos: current directory, PROGDIR:, standard handles, arguments, the library.
#include "dos_test_support.h"

#include <proto/exec.h>

#include <unistd.h>

#include <cstring>
#include <thread>

namespace {

TEST(Startup, TheMainProcessStartsInTheHostWorkingDirectory)
{
    struct Process *self = reinterpret_cast<struct Process *>(FindTask(nullptr));
    ASSERT_NE(self->pr_CurrentDir, 0);
    char name[1024];
    ASSERT_TRUE(GetCurrentDirName(name, sizeof name));
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    std::string expected;
    ASSERT_TRUE(hosted::VolumePathOf(cwd, expected));
    EXPECT_EQ(name, expected);
    EXPECT_NE(std::strchr(name, ':'), nullptr);
    EXPECT_EQ(self->pr_HomeDir, GetProgramDir());
    EXPECT_NE(Input(), 0);
    EXPECT_NE(Output(), 0);
    EXPECT_NE(self->pr_CES, 0);
}

TEST(Startup, TheArgumentStringEndsInALineFeed)
{
    std::string arguments = GetArgStr();
    ASSERT_FALSE(arguments.empty());
    EXPECT_EQ(arguments.back(), '\n');
    EXPECT_EQ(arguments.find('\0'), std::string::npos);
}

TEST(Startup, AnAdoptedThreadIsAFullProcess)
{
    BPTR currentDir = 0, home = 0, output = 0;
    std::string args;
    std::thread([&] {
        struct Process *process = reinterpret_cast<struct Process *>(FindTask(nullptr));
        currentDir = process->pr_CurrentDir;
        home = process->pr_HomeDir;
        output = Output();
        args = GetArgStr();
        BPTR lock = Lock("PROGDIR:", SHARED_LOCK);
        EXPECT_NE(lock, 0);
        UnLock(lock);
    }).join();
    EXPECT_NE(currentDir, 0);
    EXPECT_NE(home, 0);
    EXPECT_NE(output, 0);
    EXPECT_EQ(args.back(), '\n');
}

TEST(Startup, ProgramNameAndLibrary)
{
    char name[256];
    ASSERT_TRUE(GetProgramName(name, sizeof name));
    EXPECT_STREQ(name, "dos_tests");
    char tiny[4];
    EXPECT_FALSE(GetProgramName(tiny, sizeof tiny));
    EXPECT_EQ(IoErr(), ERROR_LINE_TOO_LONG);
    EXPECT_STREQ(tiny, "dos");
    struct Library *dos = OpenLibrary("dos.library", 0);
    ASSERT_NE(dos, nullptr);
    EXPECT_STREQ(dos->lib_Node.ln_Name, "dos.library");
    CloseLibrary(dos);
    auto *fib = static_cast<struct FileInfoBlock *>(AllocDosObject(DOS_FIB, nullptr));
    ASSERT_NE(fib, nullptr);
    EXPECT_EQ(fib->fib_Size, 0);
    FreeDosObject(DOS_FIB, fib);
}

}  // namespace
