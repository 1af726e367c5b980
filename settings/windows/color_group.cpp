// settings/windows/color_group.cpp: making, reading and settling a colour group.
#include "color_group.h"

#include "gadget_ids.h"
#include "settings_rules.h"

namespace {

CONST_STRPTR const ChannelLetters[3] = {"R", "G", "B"};

}  // namespace

BOOL AddColorGroup(DialogToolkit &toolkit, Dialog &dialog, ColorGroup &colorGroup, ULONG group,
                   const SettingsLayout &layout, ULONG firstRow, ULONG colour)
{
    ULONG channels[3];
    SplitColor(colour, channels);
    for (ULONG c = 0; c < 3; c++) {
        ULONG row = firstRow + c;
        AddDialogLabel(dialog, 2 * layout.y, layout.LabelY(row), ChannelLetters[c], ChannelLetterColours[c]);
        NumberRowShape shape;
        shape.sliderLeft = layout.Column(3 * layout.y);
        shape.top = layout.RowTop(row);
        shape.height = layout.y;
        shape.rightMargin = layout.y;
        shape.gap = layout.y;
        shape.digits = 3;
        shape.maximum = 255;
        if (!AddNumberRow(toolkit, dialog, colorGroup.channels[c], ColorSliderId(group, c), ColorFieldId(group, c),
                          shape, channels[c]))
            return FALSE;
    }
    return TRUE;
}

ULONG ColorGroupValue(const ColorGroup &colorGroup)
{
    ULONG channels[3];
    for (ULONG c = 0; c < 3; c++)
        channels[c] = NumberRowValue(colorGroup.channels[c]);
    return PackColor(channels);
}

void SettleColorGroup(Dialog &dialog, ColorGroup &colorGroup)
{
    for (NumberRow &row : colorGroup.channels)
        SettleNumberRow(dialog, row);
}
