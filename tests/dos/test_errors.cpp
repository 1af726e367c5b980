// Errors: IoErr, the texts of Fault and PrintFault, and the mapping of host errors.
#include "dos_test_support.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace {

using dostest::DosTest;

TEST(Errors, FaultGivesTheSystemsTexts)
{
    struct {
        LONG code;
        const char *text;
    } cases[] = {
        {ERROR_OBJECT_EXISTS, "object already exists"},
        {ERROR_OBJECT_NOT_FOUND, "object not found"},
        {ERROR_DIRECTORY_NOT_EMPTY, "directory not empty"},
        {ERROR_DELETE_PROTECTED, "file is protected from deletion"},
        {ERROR_WRITE_PROTECTED, "file is write protected"},
        {ERROR_READ_PROTECTED, "file is read protected"},
        {ERROR_NO_MORE_ENTRIES, "no more entries in directory"},
        {ERROR_OBJECT_IN_USE, "object in use"},
        {ERROR_DISK_FULL, "disk is full"},
        {ERROR_COMMENT_TOO_BIG, "comment is too long"},
        {ERROR_RENAME_ACROSS_DEVICES, "rename across devices attempted"},
        {ERROR_DEVICE_NOT_MOUNTED, "device (or volume) is not mounted"},
    };
    for (const auto &c : cases) {
        char buffer[81];
        LONG length = Fault(c.code, nullptr, buffer, sizeof buffer);
        EXPECT_STREQ(buffer, c.text) << c.code;
        EXPECT_EQ(length, static_cast<LONG>(std::strlen(c.text)));
    }
}

TEST(Errors, FaultHeaderUnknownCodesAndZero)
{
    char buffer[81];
    EXPECT_EQ(Fault(ERROR_OBJECT_NOT_FOUND, "Copy", buffer, sizeof buffer), 22);
    EXPECT_STREQ(buffer, "Copy: object not found");
    Fault(4711, nullptr, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Error code 4711");
    Fault(4711, "x", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "x: Error code 4711");
    std::strcpy(buffer, "junk");
    EXPECT_EQ(Fault(0, nullptr, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(Errors, FaultNeverWritesPastTheBuffer)
{
    char buffer[12];
    std::memset(buffer, 'X', sizeof buffer);
    LONG length = Fault(ERROR_DELETE_PROTECTED, nullptr, buffer, 8);
    EXPECT_EQ(length, 7);
    EXPECT_STREQ(buffer, "file is");
    for (size_t i = 8; i < sizeof buffer; i++)
        EXPECT_EQ(buffer[i], 'X');
    EXPECT_EQ(Fault(ERROR_DELETE_PROTECTED, nullptr, buffer, 1), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(Fault(ERROR_DELETE_PROTECTED, nullptr, buffer, 0), 0);
}

TEST(Errors, SetIoErrReturnsTheOldValueAndIsPerTask)
{
    SetIoErr(0);
    EXPECT_EQ(SetIoErr(ERROR_DISK_FULL), 0);
    EXPECT_EQ(IoErr(), ERROR_DISK_FULL);
    LONG seen = -1;
    std::thread([&] { seen = IoErr(); }).join();
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(IoErr(), ERROR_DISK_FULL);
}

TEST(Errors, HostErrorsMapToTheSystemsCodes)
{
    EXPECT_EQ(hosted::DosErrorOf(ENOENT), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(hosted::DosErrorOf(EEXIST), ERROR_OBJECT_EXISTS);
    EXPECT_EQ(hosted::DosErrorOf(EACCES), ERROR_WRITE_PROTECTED);
    EXPECT_EQ(hosted::DosErrorOf(EPERM), ERROR_WRITE_PROTECTED);
    EXPECT_EQ(hosted::DosErrorOf(EROFS), ERROR_DISK_WRITE_PROTECTED);
    EXPECT_EQ(hosted::DosErrorOf(ENOTEMPTY), ERROR_DIRECTORY_NOT_EMPTY);
    EXPECT_EQ(hosted::DosErrorOf(ENOSPC), ERROR_DISK_FULL);
    EXPECT_EQ(hosted::DosErrorOf(EBUSY), ERROR_OBJECT_IN_USE);
    EXPECT_EQ(hosted::DosErrorOf(ETXTBSY), ERROR_OBJECT_IN_USE);
    EXPECT_EQ(hosted::DosErrorOf(ENAMETOOLONG), ERROR_INVALID_COMPONENT_NAME);
    EXPECT_EQ(hosted::DosErrorOf(ENXIO), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(hosted::DosErrorOf(EXDEV), ERROR_RENAME_ACROSS_DEVICES);
    EXPECT_EQ(hosted::DosErrorOf(ENOTDIR), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(hosted::SetIoErrFromErrno(ENOENT), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

TEST_F(DosTest, PrintFaultWritesHeaderAndTextToTheOutput)
{
    BPTR file = Open("fault.txt", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    BPTR old = SelectOutput(file);
    EXPECT_TRUE(PrintFault(ERROR_OBJECT_EXISTS, "Rename"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    SelectOutput(old);
    ASSERT_TRUE(Close(file));
    EXPECT_EQ(dostest::ReadHostFile(Host("fault.txt")), "Rename: object already exists\n");
}

}  // namespace
