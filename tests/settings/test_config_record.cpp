// The configuration record: defaults byte for byte, field offsets, big-endian storage.
#include <settings/config_record.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The defaults as they stand in a file written with no changes.
const UBYTE DefaultImage[100] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x0F, 0xA0, 0x00,   // Copy: any memory, 1,024,000
    0x00, 0x00, 0x00, 0x00, 0x00, 0x1F, 0x40, 0x00,   // Lister: 2,048,000
    0x00, 0x00, 0x00, 0x00, 0x00, 0x0F, 0xA0, 0x00,   // Dir stack: 1,024,000
    0x00, 0x00, 0x00, 0x00, 0x00, 0x0F, 0xA0, 0x00,   // Dir depth: 1,024,000
    0x00, 0x00, 0x00, 0x00, 0x00, 0xBB, 0x80, 0x00,   // Bitmap: 12,288,000
    0x00, 0xEB, 0x4E, 0x11, 0x00, 0x10, 0x02, 0x01,   // drawer text, text
    0x00, 0x2E, 0xE2, 0xB7, 0x00, 0x48, 0x97, 0x02,   // lister gradient
    0x01, 0x00, 0x00, 0x4B, 0x00, 0x00, 0x00, 0x01,   // extra space, cgx, delay 75, off, res, DOS, day names
    0x00, 0xDB, 0xEF, 0xEC, 0x00, 0x32, 0xA7, 0xAB,   // window text, gradient begin
    0x00, 0xEF, 0x00, 0x32, 0xFF, 0x01, 0x00, 0x00,   // gradient end, rename Name, Name case, stay, hide
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,   // lister left, top, max width, max height
    0x00, 0x20, 0x00, 0x20, 0x01, 0xC2, 0x01, 0x00,   // dialog 32, 32, 450, 256
    0x01, 0x00, 0x00, 0x00,                           // copy comment, unprotects, reserved
};

}  // namespace

TEST(ConfigRecord, DefaultsAreTheDocumentedBytes)
{
    ConfigRecord record;
    EXPECT_EQ(std::memcmp(record.Bytes(), DefaultImage, 100), 0);
    for (int i = 0; i < 100; i++)
        EXPECT_EQ(record.Bytes()[i], DefaultImage[i]) << "offset 0x" << std::hex << i;
    EXPECT_EQ(record.CopyBufferSize(), 1024000u);
    EXPECT_EQ(record.ListerBufferSize(), 2048000u);
    EXPECT_EQ(record.BitmapSize(), 12288000u);
    EXPECT_EQ(record.SortOrder(), SortNameCase);
    EXPECT_EQ(record.DialogInnerWidth(), 450);
}

TEST(ConfigRecord, TwoMegabytesOfCopyBufferAtOffsetFour)
{
    ConfigRecord record;
    record.SetCopyBufferSize(2 * ConfigMegabyte);
    const UBYTE expected[4] = {0x00, 0x1F, 0x40, 0x00};
    EXPECT_EQ(std::memcmp(record.Bytes() + 4, expected, 4), 0);
    EXPECT_EQ(record.BufferSize(ConfigCopyBuffer), 2048000u);
}

TEST(ConfigRecord, EveryAccessorReachesItsOwnBytes)
{
    struct Field {
        ULONG offset, width;
        void (*set)(ConfigRecord &, ULONG);
        ULONG (*get)(const ConfigRecord &);
    };
#define FIELD32(off, name) Field{off, 4, [](ConfigRecord &r, ULONG v) { r.Set##name(v); }, [](const ConfigRecord &r) { return ULONG(r.name()); }}
#define FIELD16(off, name) Field{off, 2, [](ConfigRecord &r, ULONG v) { r.Set##name(UWORD(v)); }, [](const ConfigRecord &r) { return ULONG(r.name()); }}
#define FIELD8(off, name) Field{off, 1, [](ConfigRecord &r, ULONG v) { r.Set##name(UBYTE(v)); }, [](const ConfigRecord &r) { return ULONG(r.name()); }}
    const Field fields[] = {
        FIELD32(0x00, CopyBufferAttributes), FIELD32(0x04, CopyBufferSize), FIELD32(0x08, ListerBufferAttributes),
        FIELD32(0x0C, ListerBufferSize), FIELD32(0x10, DirStackAttributes), FIELD32(0x14, DirStackSize),
        FIELD32(0x18, DirDepthAttributes), FIELD32(0x1C, DirDepthSize), FIELD32(0x20, BitmapAttributes),
        FIELD32(0x24, BitmapSize), FIELD32(0x28, DrawerTextColor), FIELD32(0x2C, ListerTextColor),
        FIELD32(0x30, ListerGradientBegin), FIELD32(0x34, ListerGradientEnd), FIELD8(0x38, ExtraSpaceFilename),
        FIELD8(0x39, NoCgxWpa), FIELD16(0x3A, CopyDelay), FIELD8(0x3C, CopyDelayEnabled), FIELD8(0x3E, DateFormat),
        FIELD8(0x3F, DayNameSubstitution), FIELD32(0x40, WindowTextColor), FIELD32(0x44, WindowGradientBegin),
        FIELD32(0x48, WindowGradientEnd), FIELD8(0x4C, RenameString), FIELD8(0x4D, SortOrder),
        FIELD8(0x4E, StaySelected), FIELD8(0x4F, HideStatusAndComment), FIELD16(0x50, ListerLeft),
        FIELD16(0x52, ListerTop), FIELD16(0x54, ListerMaxWidth), FIELD16(0x56, ListerMaxHeight),
        FIELD16(0x58, DialogLeft), FIELD16(0x5A, DialogTop), FIELD16(0x5C, DialogInnerWidth),
        FIELD16(0x5E, DialogInnerHeight), FIELD8(0x60, CopyComment), FIELD8(0x61, Unprotects),
    };
#undef FIELD32
#undef FIELD16
#undef FIELD8
    ULONG covered = 0;
    for (const Field &field : fields) {
        ConfigRecord record;
        UBYTE before[100];
        std::memcpy(before, record.Bytes(), 100);
        ULONG value = field.width == 4 ? 0xA1B2C3D4 : field.width == 2 ? 0xA1B2 : 0xA1;
        field.set(record, value);
        EXPECT_EQ(field.get(record), value) << "offset " << field.offset;
        for (ULONG i = 0; i < 100; i++) {
            bool inside = i >= field.offset && i < field.offset + field.width;
            if (inside) {
                // Big-endian: the most significant byte first.
                EXPECT_EQ(record.Bytes()[i], UBYTE(value >> (8 * (field.offset + field.width - 1 - i))))
                    << "offset " << field.offset << " byte " << i;
            } else {
                EXPECT_EQ(record.Bytes()[i], before[i]) << "field at " << field.offset << " touched byte " << i;
            }
        }
        covered += field.width;
    }
    EXPECT_EQ(covered, 100u - 3u);   // all but the three reserved bytes
}

TEST(ConfigRecord, BufferPairsAreTheFirstFortyBytes)
{
    ConfigRecord record;
    for (ULONG i = 0; i < ConfigBufferCount; i++) {
        record.SetBufferAttributes(ConfigBuffer(i), 0x10000 + i);
        record.SetBufferSize(ConfigBuffer(i), 1000 * (i + 1));
    }
    EXPECT_EQ(record.CopyBufferAttributes(), 0x10000u);
    EXPECT_EQ(record.ListerBufferSize(), 2000u);
    EXPECT_EQ(record.DirStackAttributes(), 0x10002u);
    EXPECT_EQ(record.DirDepthSize(), 4000u);
    EXPECT_EQ(record.BitmapSize(), 5000u);
    EXPECT_EQ(record.DrawerTextColor(), 0x00EB4E11u);
}

TEST(ConfigRecord, ReservedBytesAreCarriedThroughAndSetDefaultsClearsThem)
{
    ConfigRecord record;
    record.Bytes()[0x3D] = 0x5A;
    record.Bytes()[0x62] = 0x12;
    record.Bytes()[0x63] = 0x34;
    record.SetSortOrder(SortDate);
    ConfigRecord copy = record;
    EXPECT_EQ(std::memcmp(copy.Bytes(), record.Bytes(), 100), 0);
    copy.SetDefaults();
    EXPECT_EQ(std::memcmp(copy.Bytes(), DefaultImage, 100), 0);
}
