// settings/windows/color_group.h: a colour group: the rows "R", "G" and "B" of one colour word.
#ifndef SETTINGS_WINDOWS_COLOR_GROUP_H
#define SETTINGS_WINDOWS_COLOR_GROUP_H

#include "number_row.h"
#include "window_layout.h"

// The letters' own colours, whatever the window's colours are.
constexpr ULONG ChannelLetterColours[3] = {0x00DB0000, 0x0000DB00, 0x000000DB};

// Three number rows 0 … 255, one per channel of a colour 0x00RRGGBB (red
// bits 16–23, green 8–15, blue 0–7), each with its letter.
struct ColorGroup {
    NumberRow channels[3];
};

// Adds the letters and rows of group `group` (its gadget ids come from it)
// on rows firstRow … firstRow + 2, loaded from `colour`. FALSE when a
// gadget cannot be made.
BOOL AddColorGroup(DialogToolkit &toolkit, Dialog &dialog, ColorGroup &colorGroup, ULONG group,
                   const SettingsLayout &layout, ULONG firstRow, ULONG colour);

// The three slider positions packed into a colour word.
ULONG ColorGroupValue(const ColorGroup &colorGroup);

// SettleNumberRow for each channel.
void SettleColorGroup(Dialog &dialog, ColorGroup &colorGroup);

#endif /* SETTINGS_WINDOWS_COLOR_GROUP_H */
