// LoadSettings and WriteConfigRecord on real files: only exactly 100 bytes are taken.
#include <settings/config_record.h>

#include <hosted/dos.h>
#include <proto/dos.h>

#include <fcntl.h>
#include <unistd.h>

#include "../lister/dos_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

class SettingsFile : public listertest::DosDrawerTest {
protected:
    std::string ImageOf(const ConfigRecord &record) const
    {
        return std::string(reinterpret_cast<const char *>(record.Bytes()), ConfigRecordSize);
    }
    std::string ReadHost(const std::string &relative) const
    {
        std::ifstream in(Host(relative), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

}  // namespace

TEST_F(SettingsFile, ExactlyOneHundredBytesAreLoaded)
{
    ConfigRecord saved;
    saved.SetCopyBufferSize(2 * ConfigMegabyte);
    saved.SetSortOrder(SortDate);
    saved.Bytes()[0x3D] = 0x77;   // reserved, carried through
    listertest::WriteHostFile(Host("Kestrovane.cfg"), ImageOf(saved));

    ConfigRecord record;
    EXPECT_EQ(LoadSettings(record, "LTest:Kestrovane.cfg"), LoadSettingsResult::Loaded);
    EXPECT_EQ(ImageOf(record), ImageOf(saved));
    EXPECT_EQ(record.CopyBufferSize(), 2048000u);
    EXPECT_EQ(record.Bytes()[0x3D], 0x77);
}

TEST_F(SettingsFile, NinetyNineAndOneHundredAndOneBytesAreIgnored)
{
    ConfigRecord other;
    other.SetBitmapSize(1);
    std::string image = ImageOf(other);
    listertest::WriteHostFile(Host("short.cfg"), image.substr(0, 99));
    listertest::WriteHostFile(Host("long.cfg"), image + "x");

    ConfigRecord record;
    const std::string defaults = ImageOf(record);
    EXPECT_EQ(LoadSettings(record, "LTest:short.cfg"), LoadSettingsResult::WrongSize);
    EXPECT_EQ(ImageOf(record), defaults);
    EXPECT_EQ(LoadSettings(record, "LTest:long.cfg"), LoadSettingsResult::WrongSize);
    EXPECT_EQ(ImageOf(record), defaults);
    EXPECT_EQ(LoadSettings(record, "LTest:missing.cfg"), LoadSettingsResult::NoFile);
    EXPECT_EQ(ImageOf(record), defaults);
    MakeHostDrawer("drawer.cfg");
    EXPECT_EQ(LoadSettings(record, "LTest:drawer.cfg"), LoadSettingsResult::WrongSize);
    EXPECT_EQ(ImageOf(record), defaults);
}

TEST_F(SettingsFile, EachListerLoadsItsOwnFileAndNoLockIsLeft)
{
    ConfigRecord first, second;
    first.SetListerLeft(11);
    second.SetListerLeft(22);
    listertest::WriteHostFile(Host("Kestrovane.cfg"), ImageOf(first));
    listertest::WriteHostFile(Host("KestrovaneB.cfg"), ImageOf(second));
    ConfigRecord a, b;
    ASSERT_EQ(LoadSettings(a, "LTest:Kestrovane.cfg"), LoadSettingsResult::Loaded);
    ASSERT_EQ(LoadSettings(b, "LTest:KestrovaneB.cfg"), LoadSettingsResult::Loaded);
    EXPECT_EQ(a.ListerLeft(), 11);
    EXPECT_EQ(b.ListerLeft(), 22);
    // The file was unlocked and closed: an exclusive lock succeeds.
    BPTR lock = Lock("LTest:Kestrovane.cfg", EXCLUSIVE_LOCK);
    EXPECT_NE(lock, 0);
    UnLock(lock);
}

TEST_F(SettingsFile, WrittenRecordIsTheHundredBytesAndLoadsBack)
{
    ConfigRecord record;
    record.SetDialogLeft(123);
    record.Bytes()[0x62] = 0xAB;
    BPTR file = Open("LTest:Saved.cfg", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    EXPECT_TRUE(WriteConfigRecord(record, file));
    Close(file);
    EXPECT_EQ(ReadHost("Saved.cfg"), ImageOf(record));

    ConfigRecord loaded;
    EXPECT_EQ(LoadSettings(loaded, "LTest:Saved.cfg"), LoadSettingsResult::Loaded);
    EXPECT_EQ(loaded.DialogLeft(), 123);
    EXPECT_EQ(loaded.Bytes()[0x62], 0xAB);

    // Defaults saved unchanged are the defaults byte for byte.
    file = Open("LTest:Defaults.cfg", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    EXPECT_TRUE(WriteConfigRecord(ConfigRecord(), file));
    Close(file);
    EXPECT_EQ(ReadHost("Defaults.cfg"), ImageOf(ConfigRecord()));
}

TEST_F(SettingsFile, AFailedWriteIsReportedWithIoErr)
{
    listertest::WriteHostFile(Host("readonly.cfg"), std::string(100, 'r'));
    // A handle on a descriptor the host opened for reading only.
    int descriptor = open(Host("readonly.cfg").c_str(), O_RDONLY);
    ASSERT_GE(descriptor, 0);
    BPTR file = hosted::FileHandleFromDescriptor(descriptor, true, false);
    ASSERT_NE(file, 0);
    SetIoErr(0);
    EXPECT_FALSE(WriteConfigRecord(ConfigRecord(), file));
    EXPECT_NE(IoErr(), 0);
    Close(file);
    EXPECT_EQ(ReadHost("readonly.cfg"), std::string(100, 'r'));
}
