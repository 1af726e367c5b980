// settings/windows/settings_rules.cpp: the settings windows' storing rules, kept apart from the gadgets.
#include "settings_rules.h"

#include <dos/datetime.h>

#include <algorithm>

namespace {

constexpr LONG ListerPlaceMax = 9999;   // four digits
constexpr UWORD ListerSmallestLimit = 256;
constexpr UWORD CopyDelayMax = 999;

}  // namespace

LONG ClampSetting(LONG value, LONG low, LONG high)
{
    return std::clamp(value, low, high);
}

void SplitColor(ULONG colour, ULONG channels[3])
{
    channels[0] = (colour >> 16) & 0xFF;
    channels[1] = (colour >> 8) & 0xFF;
    channels[2] = colour & 0xFF;
}

ULONG PackColor(const ULONG channels[3])
{
    ULONG r = std::min<ULONG>(channels[0], 255), g = std::min<ULONG>(channels[1], 255),
          b = std::min<ULONG>(channels[2], 255);
    return (r << 16) | (g << 8) | b;
}

ULONG MegabytesShown(ULONG bytes, ULONG sliderMaximum)
{
    return std::min(bytes / ConfigMegabyte, sliderMaximum);
}

ULONG BufferBytesOf(ULONG megabytes)
{
    // A buffer of 0 bytes is one the program cannot work with.
    return std::max<ULONG>(megabytes, 1) * ConfigMegabyte;
}

void StoreBufferSizes(const BufferSizeValues &values, ConfigRecord &config)
{
    for (ULONG i = 0; i < ConfigBufferCount; i++)
        if (values.shown[i])
            config.SetBufferSize(static_cast<ConfigBuffer>(i), BufferBytesOf(values.megabytes[i]));
}

UBYTE ToggleByte(UBYTE stored, BOOL on, UBYTE onValue)
{
    if ((stored != 0) == (on != FALSE))
        return stored;
    return on ? onValue : 0;
}

UBYTE DateFormatChoice(UBYTE stored)
{
    return stored <= FORMAT_CDN ? stored : 0;
}

void StoreDateFormat(ULONG format, BOOL dayName, ConfigRecord &config)
{
    config.SetDateFormat(UBYTE(std::min<ULONG>(format, FORMAT_CDN)));
    config.SetDayNameSubstitution(ToggleByte(config.DayNameSubstitution(), dayName, DTF_SUBST));
}

ListerViewValues ListerViewOf(const ConfigRecord &config)
{
    ListerViewValues values;
    values.extraSpace = config.ExtraSpaceFilename();
    values.staySelected = config.StaySelected() != 0;
    values.statusAndComment = config.HideStatusAndComment() == 0;
    values.left = config.ListerLeft();
    values.top = config.ListerTop();
    values.maxWidth = config.ListerMaxWidth();
    values.maxHeight = config.ListerMaxHeight();
    values.noCgxWpa = config.NoCgxWpa() != 0;
    return values;
}

UWORD ListerLimitStored(LONG value)
{
    value = ClampSetting(value, 0, ListerPlaceMax);
    if (value > 0 && value < ListerSmallestLimit)
        return ListerSmallestLimit;
    return UWORD(value);
}

void StoreListerView(const ListerViewValues &values, ConfigRecord &config)
{
    config.SetExtraSpaceFilename(UBYTE(ClampSetting(values.extraSpace, 0, 9)));
    config.SetStaySelected(ToggleByte(config.StaySelected(), values.staySelected));
    // The byte hides; the check box shows.
    config.SetHideStatusAndComment(ToggleByte(config.HideStatusAndComment(), !values.statusAndComment));
    config.SetListerLeft(UWORD(ClampSetting(values.left, 0, ClampSetting(values.leftLimit - 1, 0, ListerPlaceMax))));
    config.SetListerTop(UWORD(ClampSetting(values.top, 0, ClampSetting(values.topLimit - 1, 0, ListerPlaceMax))));
    config.SetListerMaxWidth(ListerLimitStored(values.maxWidth));
    config.SetListerMaxHeight(ListerLimitStored(values.maxHeight));
    if (values.noCgxWpaShown)
        config.SetNoCgxWpa(ToggleByte(config.NoCgxWpa(), values.noCgxWpa));
}

RenameChoice RenameChoiceOf(UBYTE stored)
{
    if (stored == RenameStringName)
        return RenameChoice::Name;
    if (stored == RenameStringStays)
        return RenameChoice::Stays;
    return RenameChoice::Empty;
}

UBYTE RenameByteOf(RenameChoice choice)
{
    switch (choice) {
    case RenameChoice::Name:
        return RenameStringName;
    case RenameChoice::Stays:
        return RenameStringStays;
    case RenameChoice::Empty:
        break;
    }
    return RenameStringEmpty;
}

CopySettingsValues CopySettingsOf(const ConfigRecord &config)
{
    CopySettingsValues values;
    values.copyComment = config.CopyComment() != 0;
    values.unprotects = config.Unprotects() != 0;
    values.rename = RenameChoiceOf(config.RenameString());
    values.delayEnabled = config.CopyDelayEnabled() != 0;
    values.delay = config.CopyDelay();
    return values;
}

void StoreCopySettings(const CopySettingsValues &values, ConfigRecord &config)
{
    config.SetCopyComment(ToggleByte(config.CopyComment(), values.copyComment));
    config.SetUnprotects(ToggleByte(config.Unprotects(), values.unprotects));
    // A stored byte that already means the chosen start is kept as it is.
    if (RenameChoiceOf(config.RenameString()) != values.rename)
        config.SetRenameString(RenameByteOf(values.rename));
    config.SetCopyDelayEnabled(ToggleByte(config.CopyDelayEnabled(), values.delayEnabled));
    config.SetCopyDelay(UWORD(ClampSetting(values.delay, 1, CopyDelayMax)));
}
