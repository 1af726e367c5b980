// settings/config_check.cpp: the ranges a loaded record is held to, and the names of what was reset.
#include "config_check.h"

#include <cstring>

namespace {

// The dialog windows' least outer width, less a generous allowance for
// borders: an inner width below this was never stored by a window.
constexpr UWORD DialogLeastInnerWidth = 200;

const char *const ResetNames[ResetCount] = {
    "Copy buffer", "Lister buffer", "Dir stack", "Dir depth", "Bitmap buffer",
    "Date format", "Lister place",  "Max. width, height", "Dialog place",
};

bool BufferInRange(ULONG size, ULONG maxMb)
{
    return size >= ConfigMegabyte && size / ConfigMegabyte <= maxMb;
}

}  // namespace

ULONG CheckConfigRecord(ConfigRecord &record, ULONG screenWidth, ULONG screenHeight)
{
    const ConfigRecord defaults;
    ULONG resets = 0;
    for (ULONG i = 0; i < ConfigBufferCount; i++) {
        auto which = ConfigBuffer(i);
        if (!BufferInRange(record.BufferSize(which), which == ConfigCopyBuffer ? CopyBufferMaxMb : OtherBufferMaxMb)) {
            record.SetBufferSize(which, defaults.BufferSize(which));
            resets |= 1UL << i;
        }
    }
    if (record.DateFormat() > 3) {
        record.SetDateFormat(defaults.DateFormat());
        resets |= ResetDateFormat;
    }
    if (record.ListerLeft() >= screenWidth || record.ListerTop() >= screenHeight) {
        record.SetListerLeft(defaults.ListerLeft());
        record.SetListerTop(defaults.ListerTop());
        resets |= ResetListerPlace;
    }
    auto badMax = [](UWORD value) { return value != 0 && value < 256; };
    if (badMax(record.ListerMaxWidth()) || badMax(record.ListerMaxHeight())) {
        record.SetListerMaxWidth(defaults.ListerMaxWidth());
        record.SetListerMaxHeight(defaults.ListerMaxHeight());
        resets |= ResetListerMax;
    }
    if (record.DialogLeft() >= screenWidth || record.DialogTop() >= screenHeight ||
        record.DialogInnerWidth() < DialogLeastInnerWidth || record.DialogInnerWidth() > 4096) {
        record.SetDialogLeft(defaults.DialogLeft());
        record.SetDialogTop(defaults.DialogTop());
        record.SetDialogInnerWidth(defaults.DialogInnerWidth());
        resets |= ResetDialogPlace;
    }
    return resets;
}

void DescribeConfigResets(ULONG resets, STRPTR out, ULONG size)
{
    if (size == 0)
        return;
    out[0] = '\0';
    size_t length = 0;
    for (ULONG i = 0; i < ResetCount; i++) {
        if ((resets & (1UL << i)) == 0)
            continue;
        const char *name = ResetNames[i];
        size_t needed = (length != 0 ? 2 : 0) + std::strlen(name);
        if (length + needed + 1 > size)
            break;
        if (length != 0) {
            std::memcpy(out + length, ", ", 2);
            length += 2;
        }
        std::memcpy(out + length, name, std::strlen(name) + 1);
        length += std::strlen(name);
    }
}
