// settings/windows/color_window.cpp: the colour windows' loop: groups loaded, tried on the preview, stored.
#include "color_window.h"

#include "color_group.h"
#include "gadget_ids.h"
#include "window_layout.h"

#include <proto/intuition.h>

namespace {

constexpr ULONG MaxGroups = 4;
constexpr ULONG RowsPerGroup = 4;   // the heading and R, G, B

// "Test": the groups become the preview's colours, and the window shows them.
void TryColours(DialogToolkit &painter, Dialog &dialog, ColorPreview &preview, const ColorWindowSpec &spec,
                const ColorGroup *groups, const ULONG *headingLabels)
{
    for (ULONG g = 0; g < spec.groupCount; g++)
        preview.colours[spec.groups[g].slot] = ColorGroupValue(groups[g]);
    RebuildPreviewGradient(preview);
    for (ULONG g = 0; g < spec.groupCount; g++)
        dialog.labels[headingLabels[g]].colour = preview.colours[spec.groups[g].headingColour];
    PaintDialog(painter, dialog);
    PresentDialog(painter, dialog);
    RefreshGList(dialog.First(), dialog.window, nullptr, -1);
}

}  // namespace

SettingsOutcome RunColorWindow(const SettingsContext &context, ConfigRecord &config, const ColorWindowSpec &spec)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const ULONG groupCount = spec.groupCount < MaxGroups ? spec.groupCount : MaxGroups;
    const SettingsLayout layout(toolkit, 3);
    const ULONG rows = RowsPerGroup * groupCount;

    Dialog dialog;
    dialog.description = DialogDescription::Second;
    dialog.title = spec.title;
    dialog.innerHeight = layout.InnerHeight(rows);

    // The preview is as wide as the widest the window can be made, so that
    // a resize never shows a part it does not paint.
    ColorPreview preview;
    if (!AllocColorPreview(preview, toolkit.canvas.width, dialog.innerHeight)) {
        outcome.ending = SettingsOutcome::Ending::NoMemory;
        return outcome;
    }
    for (ULONG g = 0; g < groupCount; g++)
        preview.colours[spec.groups[g].slot] = (config.*spec.groups[g].get)();
    *preview.gradient = *spec.startGradient;
    // The preview is painted as every dialog is, 0, red, green, blue.
    if (spec.startGradientOrder != PixelOrder::Argb)
        ReverseGradient(*preview.gradient);

    // The toolkit as this window paints: on the preview, with its gradient.
    DialogToolkit painter = toolkit;
    painter.canvas = preview.pixels;
    painter.windowGradient = preview.gradient;

    ColorGroup groups[MaxGroups];
    ULONG headingLabels[MaxGroups] = {};
    for (ULONG g = 0; g < groupCount; g++) {
        const ColorGroupSpec &group = spec.groups[g];
        headingLabels[g] = dialog.labelCount;
        AddDialogLabel(dialog, layout.y, layout.LabelY(RowsPerGroup * g), group.heading,
                       preview.colours[group.headingColour]);
        AddColorGroup(painter, dialog, groups[g], g, layout, RowsPerGroup * g + 1, preview.colours[group.slot]);
    }
    AddDialogButton(painter, dialog, SettingsOkId, "OK", layout.LeftButton(rows));
    AddDialogButton(painter, dialog, SettingsTestId, "Test", layout.LeftButton(rows, 1));
    AddDialogButton(painter, dialog, SettingsCancelId, "Cancel", layout.RightButton(rows));

    if (!OpenDialog(painter, dialog)) {
        FreeColorPreview(preview);
        outcome.ending = SettingsOutcome::Ending::NotOpened;
        return outcome;
    }
    for (BOOL done = FALSE; !done;) {
        DialogEvent event = WaitDialogEvent(painter, dialog);
        if (event.kind == DialogEvent::Kind::Close)
            break;
        for (ULONG g = 0; g < groupCount; g++)
            SettleColorGroup(dialog, groups[g]);
        switch (event.gadgetId) {
        case SettingsTestId:
            TryColours(painter, dialog, preview, spec, groups, headingLabels);
            break;
        case SettingsOkId:
            for (ULONG g = 0; g < groupCount; g++)
                (config.*spec.groups[g].set)(ColorGroupValue(groups[g]));
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            outcome.effects = spec.confirmEffects;
            done = TRUE;
            break;
        case SettingsCancelId:
            done = TRUE;
            break;
        default:
            break;
        }
    }
    CloseDialog(painter, dialog);
    // A resize changed the width all windows of this description share.
    toolkit.secondInnerWidth = painter.secondInnerWidth;
    FreeColorPreview(preview);
    return outcome;
}
