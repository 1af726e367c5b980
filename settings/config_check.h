// settings/config_check.h: CheckConfigRecord: a loaded record's values held against the ranges its settings windows allow.
#ifndef SETTINGS_CONFIG_CHECK_H
#define SETTINGS_CONFIG_CHECK_H

#include "config_record.h"

// The settings a check can put back to their defaults, as bits.
enum ConfigReset : ULONG {
    ResetCopyBuffer = 1 << 0,
    ResetListerBuffer = 1 << 1,
    ResetDirStack = 1 << 2,
    ResetDirDepth = 1 << 3,
    ResetBitmap = 1 << 4,
    ResetDateFormat = 1 << 5,
    ResetListerPlace = 1 << 6,   // left, top
    ResetListerMax = 1 << 7,     // max width, height
    ResetDialogPlace = 1 << 8,   // the dialogs' left, top and inner width
    ResetCount = 9
};

// Largest "Mb" each buffer's settings window offers.
constexpr ULONG CopyBufferMaxMb = 2096;
constexpr ULONG OtherBufferMaxMb = 255;

// Puts the default in place of every value no settings window could have
// stored: a buffer under 1 Mb (a buffer too small for even its header
// would end the start) or over its slider's range, a date format other
// than 0–3, a max width or height from 1 to 255, a lister or dialog place
// outside the screen (`screenWidth` × `screenHeight`), a dialog narrower
// than a dialog window can be. Returns the ConfigReset bits of what was
// reset; 0 for every record "Save settings" writes.
ULONG CheckConfigRecord(ConfigRecord &record, ULONG screenWidth, ULONG screenHeight);

// The names of the settings in `resets`, separated by ", ", into `out`
// (`size` bytes), for the requester that says once what was reset.
void DescribeConfigResets(ULONG resets, STRPTR out, ULONG size);

#endif /* SETTINGS_CONFIG_CHECK_H */
