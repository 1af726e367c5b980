// The settings windows' storing rules and the colour preview's block, without a window.
#include <settings/windows/color_preview.h>
#include <settings/windows/settings_rules.h>

#include <hosted/task.h>

#include <gtest/gtest.h>

namespace {

TEST(SettingsRules, BufferSizesShowInWholeMbAndStoreAtLeastOne)
{
    EXPECT_EQ(MegabytesShown(1500000, 255), 1u);
    EXPECT_EQ(MegabytesShown(1023999, 255), 0u);
    EXPECT_EQ(MegabytesShown(12288000, 255), 12u);
    EXPECT_EQ(MegabytesShown(0xFFFFFFFF, 2096), 2096u);   // a record from elsewhere: the slider's end
    EXPECT_EQ(MegabytesShown(0xFFFFFFFF, 255), 255u);
    EXPECT_EQ(BufferBytesOf(0), 1024000u);
    EXPECT_EQ(BufferBytesOf(2), 0x001F4000u);
    EXPECT_EQ(BufferBytesOf(2096), 2146304000u);

    ConfigRecord config;
    config.SetBitmapAttributes(4);
    BufferSizeValues values;
    values.megabytes[ConfigCopyBuffer] = 0;
    values.megabytes[ConfigListerBuffer] = 3;
    values.megabytes[ConfigBitmapBuffer] = 40;
    values.shown[ConfigBitmapBuffer] = FALSE;   // a program without the row keeps what is stored
    StoreBufferSizes(values, config);
    EXPECT_EQ(config.CopyBufferSize(), 1024000u);
    EXPECT_EQ(config.ListerBufferSize(), 3072000u);
    EXPECT_EQ(config.DirStackSize(), 1024000u);
    EXPECT_EQ(config.BitmapSize(), 12288000u);
    EXPECT_EQ(config.BitmapAttributes(), 4u);   // attributes are carried, never edited
}

TEST(SettingsRules, ListerLimitsBelow256BecomeTheSmallestWindowAndPlacesStayInFourDigits)
{
    EXPECT_EQ(ListerLimitStored(0), 0);
    EXPECT_EQ(ListerLimitStored(1), 256);
    EXPECT_EQ(ListerLimitStored(100), 256);
    EXPECT_EQ(ListerLimitStored(255), 256);
    EXPECT_EQ(ListerLimitStored(256), 256);
    EXPECT_EQ(ListerLimitStored(1000), 1000);
    EXPECT_EQ(ListerLimitStored(-5), 0);
    EXPECT_EQ(ListerLimitStored(70000), 9999);

    ConfigRecord config;
    ListerViewValues values = ListerViewOf(config);
    EXPECT_TRUE(values.statusAndComment);
    values.extraSpace = 12;
    values.left = -3;
    values.top = 0;
    values.maxHeight = 17;
    values.statusAndComment = FALSE;
    values.noCgxWpa = TRUE;
    StoreListerView(values, config);
    EXPECT_EQ(config.ExtraSpaceFilename(), 9);
    EXPECT_EQ(config.ListerLeft(), 0);
    EXPECT_EQ(config.ListerTop(), 0);
    EXPECT_EQ(config.ListerMaxWidth(), 0);
    EXPECT_EQ(config.ListerMaxHeight(), 256);
    EXPECT_EQ(config.HideStatusAndComment(), 0xFF);   // the check box shows the inverse
    EXPECT_EQ(config.NoCgxWpa(), 0xFF);

    // A place off the screen is one the next start would not take.
    values = ListerViewOf(config);
    values.left = 5000;
    values.top = 900;
    values.leftLimit = 1024;
    values.topLimit = 768;
    StoreListerView(values, config);
    EXPECT_EQ(config.ListerLeft(), 1023);
    EXPECT_EQ(config.ListerTop(), 767);

    // Without its row (the BGRA build) "no cgx_wpa" keeps its byte.
    values = ListerViewOf(config);
    values.noCgxWpaShown = FALSE;
    values.noCgxWpa = FALSE;
    StoreListerView(values, config);
    EXPECT_EQ(config.NoCgxWpa(), 0xFF);
}

TEST(SettingsRules, CheckBoxesKeepTheirByteUnlessTheyChange)
{
    EXPECT_EQ(ToggleByte(1, TRUE), 1);       // written as 1 by another program: still 1
    EXPECT_EQ(ToggleByte(0, TRUE), 0xFF);
    EXPECT_EQ(ToggleByte(0x7F, FALSE), 0);
    EXPECT_EQ(ToggleByte(0, FALSE), 0);
    EXPECT_EQ(ToggleByte(0, TRUE, 1), 1);

    ConfigRecord config;
    config.SetDayNameSubstitution(3);
    StoreDateFormat(3, TRUE, config);
    EXPECT_EQ(config.DateFormat(), 3);
    EXPECT_EQ(config.DayNameSubstitution(), 3);
    StoreDateFormat(0, FALSE, config);
    EXPECT_EQ(config.DayNameSubstitution(), 0);
    StoreDateFormat(2, TRUE, config);
    EXPECT_EQ(config.DayNameSubstitution(), 1);   // "Day name" is DTF_SUBST
    EXPECT_EQ(DateFormatChoice(3), 3);
    EXPECT_EQ(DateFormatChoice(4), 0);
}

TEST(SettingsRules, RenameStartsAndCopyDelay)
{
    EXPECT_EQ(RenameChoiceOf(0xFF), RenameChoice::Name);
    EXPECT_EQ(RenameChoiceOf(1), RenameChoice::Stays);
    EXPECT_EQ(RenameChoiceOf(0), RenameChoice::Empty);
    EXPECT_EQ(RenameChoiceOf(7), RenameChoice::Empty);
    EXPECT_EQ(RenameByteOf(RenameChoice::Name), 0xFF);
    EXPECT_EQ(RenameByteOf(RenameChoice::Stays), 1);
    EXPECT_EQ(RenameByteOf(RenameChoice::Empty), 0);

    ConfigRecord config;
    config.SetRenameString(7);
    CopySettingsValues values = CopySettingsOf(config);
    values.delay = 0;
    StoreCopySettings(values, config);
    EXPECT_EQ(config.CopyDelay(), 1);
    EXPECT_EQ(config.RenameString(), 7);   // it already means "Empty"
    values.delay = 5000;
    values.rename = RenameChoice::Stays;
    values.copyComment = FALSE;
    StoreCopySettings(values, config);
    EXPECT_EQ(config.CopyDelay(), 999);
    EXPECT_EQ(config.RenameString(), 1);
    EXPECT_EQ(config.CopyComment(), 0);
}

TEST(SettingsRules, ColourWordsSplitIntoChannelsAndBack)
{
    ULONG channels[3];
    SplitColor(0xAA100201, channels);   // the top byte is not a channel
    EXPECT_EQ(channels[0], 0x10u);
    EXPECT_EQ(channels[1], 0x02u);
    EXPECT_EQ(channels[2], 0x01u);
    EXPECT_EQ(PackColor(channels), 0x00100201u);
    const ULONG beyond[3] = {300, 0, 255};
    EXPECT_EQ(PackColor(beyond), 0x00FF00FFu);
}

TEST(ColorPreview, OneBlockOfColoursGradientAndPixelsOrNothing)
{
    ColorPreview preview;
    ASSERT_TRUE(AllocColorPreview(preview, 600, 100));
    auto *base = static_cast<UBYTE *>(preview.block);
    EXPECT_EQ(reinterpret_cast<UBYTE *>(preview.colours), base);
    EXPECT_EQ(reinterpret_cast<UBYTE *>(preview.gradient), base + 16);
    EXPECT_EQ(preview.pixels.base, base + 16 + sizeof(GradientTable));
    EXPECT_EQ(preview.pixels.stride, 600u * 4);
    EXPECT_EQ(preview.pixels.height, 256u);   // a short window still gets 256 rows of gradient
    EXPECT_EQ(preview.blockSize, 16 + sizeof(GradientTable) + 600u * 4 * 256);
    preview.colours[PreviewBegin] = 0x000000FF;
    preview.colours[PreviewEnd] = 0x00FF0000;
    RebuildPreviewGradient(preview);
    EXPECT_EQ(preview.gradient->colours[0], 0x000000FFu);
    EXPECT_EQ(preview.gradient->colours[preview.gradient->count - 1], 0x00FF0000u);
    FreeColorPreview(preview);
    EXPECT_EQ(preview.block, nullptr);

    hosted::SetAllocFailure(100000, 0);
    EXPECT_FALSE(AllocColorPreview(preview, 600, 300));
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(preview.block, nullptr);
    EXPECT_EQ(preview.colours, nullptr);
    FreeColorPreview(preview);   // an empty one is ignored
}

}  // namespace
