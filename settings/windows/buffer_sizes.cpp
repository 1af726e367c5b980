// settings/windows/buffer_sizes.cpp: "Buffers sizes settings": the five buffer sizes in Mb, stored by "Restart".
#include "settings_windows.h"

#include "gadget_ids.h"
#include "number_row.h"
#include "settings_rules.h"
#include "window_layout.h"

namespace {

struct BufferRowSpec {
    CONST_STRPTR label;
    ULONG maximum;   // of the slider, in Mb
    ULONG digits;    // of the field
};

// In the record's order; the "Copy:" buffer may be far larger than the others.
const BufferRowSpec BufferRows[ConfigBufferCount] = {
    {"Copy:", 2096, 4},
    {"Lister:", 255, 3},
    {"Dir stack:", 255, 3},
    {"Dir depth:", 255, 3},
    {"Bitmap", 255, 3},
};

}  // namespace

SettingsOutcome RunBufferSizesSettings(const SettingsContext &context, ConfigRecord &config)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const SettingsLayout layout(toolkit, 3);
    const ULONG textColour = config.WindowTextColor();

    BufferSizeValues values;
    values.shown[ConfigBitmapBuffer] = context.rows.bitmapRow;
    ULONG rows = 1;
    for (ULONG i = 0; i < ConfigBufferCount; i++)
        if (values.shown[i])
            rows++;

    Dialog dialog;
    dialog.description = DialogDescription::Second;
    dialog.title = "Buffers sizes settings";
    dialog.innerHeight = layout.InnerHeight(rows);
    AddDialogLabel(dialog, layout.y, layout.LabelY(0), "Buffers sizes in Mb:", textColour);

    NumberRow numberRows[ConfigBufferCount];
    const LONG sliderColumn = layout.y + layout.TextWidth("Dir depth:") + layout.y;
    ULONG row = 1;
    for (ULONG i = 0; i < ConfigBufferCount; i++) {
        if (!values.shown[i])
            continue;
        const BufferRowSpec &spec = BufferRows[i];
        AddDialogLabel(dialog, layout.y, layout.LabelY(row), spec.label, textColour);
        NumberRowShape shape;
        shape.sliderLeft = layout.Column(sliderColumn);
        shape.top = layout.RowTop(row);
        shape.height = layout.y;
        shape.rightMargin = layout.y;
        shape.gap = layout.y;
        shape.digits = spec.digits;
        shape.maximum = spec.maximum;
        shape.fieldWidth = NumberFieldWidth(toolkit, BufferRows[ConfigCopyBuffer].digits);   // the sliders end together
        ULONG shown = MegabytesShown(config.BufferSize(static_cast<ConfigBuffer>(i)), spec.maximum);
        AddNumberRow(toolkit, dialog, numberRows[i], BufferSliderId(i), BufferFieldId(i), shape, shown);
        row++;
    }
    AddDialogButton(toolkit, dialog, SettingsRestartId, "Restart", layout.LeftButton(rows));
    AddDialogButton(toolkit, dialog, SettingsCancelId, "Cancel", layout.RightButton(rows));

    if (!OpenDialog(toolkit, dialog)) {
        outcome.ending = SettingsOutcome::Ending::NotOpened;
        return outcome;
    }
    for (BOOL done = FALSE; !done;) {
        DialogEvent event = WaitDialogEvent(toolkit, dialog);
        if (event.kind == DialogEvent::Kind::Close)
            break;
        for (NumberRow &numberRow : numberRows)
            SettleNumberRow(dialog, numberRow);
        if (event.gadgetId == SettingsRestartId) {
            for (ULONG i = 0; i < ConfigBufferCount; i++)
                values.megabytes[i] = NumberRowValue(numberRows[i]);
            StoreBufferSizes(values, config);
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            outcome.effects = SettingsRestart;
            done = TRUE;
        } else if (event.gadgetId == SettingsCancelId) {
            done = TRUE;
        }
    }
    CloseDialog(toolkit, dialog);
    return outcome;
}
