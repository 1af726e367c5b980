// The facts of the information window: examining files, drawers and volumes; the flags' sense; sizes and dates.
#include "wb_fixture.h"
#include "wbprivate.h"

#include <dos/datetime.h>
#include <hosted/graphics.h>

namespace {

using namespace hosted::wb;
using wbtest::WbTest;

TEST_F(WbTest, FilesDrawersAndVolumesAreExamined)
{
    BPTR work = Lock("Work:", SHARED_LOCK);
    ASSERT_NE(work, 0);
    ObjectInfo file;
    ASSERT_TRUE(ReadObjectInfo(work, "notes.txt", file));
    EXPECT_EQ(file.name, "notes.txt");
    EXPECT_EQ(file.kind, ObjectKind::File);
    EXPECT_EQ(file.size, 6u);
    EXPECT_EQ(file.path, "Work:notes.txt");
    EXPECT_EQ(file.comment, "");
    ObjectInfo drawer;
    ASSERT_TRUE(ReadObjectInfo(work, "docs", drawer));
    EXPECT_EQ(drawer.kind, ObjectKind::Drawer);
    ObjectInfo volume;
    ASSERT_TRUE(ReadObjectInfo(work, "", volume));
    EXPECT_EQ(volume.kind, ObjectKind::Volume);
    EXPECT_EQ(volume.name, "Work");
    EXPECT_EQ(volume.path, "Work:");
    UnLock(work);

    // "" in a drawer's lock is that drawer.
    BPTR docs = Lock("Work:docs", SHARED_LOCK);
    ObjectInfo itself;
    ASSERT_TRUE(ReadObjectInfo(docs, "", itself));
    EXPECT_EQ(itself.kind, ObjectKind::Drawer);
    EXPECT_EQ(itself.name, "docs");
    ObjectInfo missing;
    SetIoErr(0);
    EXPECT_FALSE(ReadObjectInfo(docs, "nothing", missing));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    UnLock(docs);
}

TEST(WbFlags, ReadWriteExecuteDeleteShowWhatIsAllowed)
{
    // Nothing set: r w e d allowed, h s p a clear.
    for (int flag = 0; flag < kFlagCount; flag++)
        EXPECT_EQ(FlagShown(0, flag), flag >= 4) << kFlagLabels[flag];
    EXPECT_FALSE(FlagShown(FIBF_WRITE, 5));
    EXPECT_TRUE(FlagShown(FIBF_ARCHIVE, 3));
    EXPECT_TRUE(FlagShown(FIBF_SCRIPT, 1));

    // Each flag alone, round trip; the group and other bits stay.
    const LONG others = FIBF_GRP_READ | FIBF_OTR_READ | FIBF_GRP_EXECUTE;
    for (int flag = 0; flag < kFlagCount; flag++) {
        bool shown[kFlagCount];
        for (int f = 0; f < kFlagCount; f++)
            shown[f] = FlagShown(others, f);
        shown[flag] = !shown[flag];
        LONG changed = ProtectionWith(others, shown);
        EXPECT_EQ(changed & 0xFFFFFF00, others & 0xFFFFFF00) << kFlagLabels[flag];
        for (int f = 0; f < kFlagCount; f++)
            EXPECT_EQ(FlagShown(changed, f), shown[f]) << kFlagLabels[flag] << " " << kFlagLabels[f];
    }
    bool writeOff[kFlagCount] = {false, false, false, true, true, false, true, true};
    EXPECT_EQ(ProtectionWith(0, writeOff), FIBF_ARCHIVE | FIBF_WRITE);
    EXPECT_STREQ(kFlagLabels[0], "h");
    EXPECT_STREQ(kFlagLabels[7], "d");
}

TEST(WbTexts, KindsSizesAndDates)
{
    EXPECT_EQ(KindText(ObjectKind::File), "File");
    EXPECT_EQ(KindText(ObjectKind::Drawer), "Drawer");
    EXPECT_EQ(KindText(ObjectKind::Volume), "Volume");
    EXPECT_EQ(SizeText(0), "0 bytes");
    EXPECT_EQ(SizeText(1), "1 byte");
    EXPECT_EQ(SizeText(1023), "1023 bytes");
    EXPECT_EQ(SizeText(1536), "1536 bytes (1.5 KB)");
    EXPECT_EQ(SizeText(5ULL << 30), "5368709120 bytes (5.0 GB)");   // past 4 GiB, whole

    struct DateStamp date = {17000, 14 * 60 + 3, 5 * TICKS_PER_SECOND};
    char day[32] = {}, when[32] = {}, time[32] = {};
    struct DateTime dt{};
    dt.dat_Stamp = date;
    dt.dat_Format = FORMAT_DOS;
    dt.dat_StrDay = day;
    dt.dat_StrDate = when;
    dt.dat_StrTime = time;
    ASSERT_TRUE(DateToStr(&dt));
    EXPECT_EQ(DateText(date), std::string(day) + " " + when + " " + time);
    EXPECT_NE(DateText(date).find("14:03:05"), std::string::npos);
}

TEST(WbLayout, EverythingLiesInsideAndApart)
{
    struct TextFont *font = hosted::TestFont();
    std::vector<std::string> labels = {"Name", "Type", "Size", "Date", "Protection", "Comment"};
    std::vector<std::string> values = {"notes.txt", "File", "6 bytes", "Wednesday 09-Dec-26 06:41:21"};
    InfoLayout l = LayoutInfo(font, labels, values, 1000);
    ASSERT_EQ(l.labels.size(), 6u);
    ASSERT_EQ(l.values.size(), 4u);
    std::vector<struct IBox> boxes = l.labels;
    for (const struct IBox &v : l.values)
        boxes.push_back(v);
    for (const struct IBox &f : l.flags)
        boxes.push_back(f);
    boxes.push_back({static_cast<WORD>(l.comment.Left - 2), static_cast<WORD>(l.comment.Top - 2),
                     static_cast<WORD>(l.comment.Width + 4), static_cast<WORD>(l.comment.Height + 4)});
    boxes.push_back(l.save);
    boxes.push_back(l.cancel);
    for (std::size_t i = 0; i < boxes.size(); i++) {
        const struct IBox &a = boxes[i];
        EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Left + a.Width <= l.innerWidth && a.Top + a.Height <= l.innerHeight)
            << i;
        for (std::size_t j = i + 1; j < boxes.size(); j++) {
            const struct IBox &b = boxes[j];
            bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left || a.Top + a.Height <= b.Top ||
                         b.Top + b.Height <= a.Top;
            EXPECT_TRUE(apart) << i << " and " << j;
        }
    }
    EXPECT_LT(l.save.Left, l.cancel.Left);
    // A name too long for the room: the window keeps within it, the text is cut.
    std::string longName(107, 'n');
    InfoLayout narrow = LayoutInfo(font, labels, {longName, "File", "6 bytes", "x"}, 500);
    EXPECT_LE(narrow.innerWidth, 500);
    std::string shown = FittedText(font, longName, narrow.values[0].Width);
    EXPECT_LT(shown.size(), longName.size());
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
}

}  // namespace
