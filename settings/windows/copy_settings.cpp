// settings/windows/copy_settings.cpp: "Copy, rename settings": comments, unprotecting, the rename field, the copy delay.
#include "settings_windows.h"

#include "gadget_ids.h"
#include "number_row.h"
#include "settings_rules.h"
#include "window_layout.h"

namespace {

constexpr ULONG CopyDelaySliderMax = 999;

BOOL Selected(const struct Gadget *gadget)
{
    return gadget != nullptr && (gadget->Flags & GFLG_SELECTED) != 0;
}

CONST_STRPTR const RenameTexts[3] = {"Name", "Stays", "Empty"};
const UWORD RenameIds[3] = {RenameNameId, RenameStaysId, RenameEmptyId};

}  // namespace

SettingsOutcome RunCopySettings(const SettingsContext &context, ConfigRecord &config)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const SettingsLayout layout(toolkit, 3);
    const ULONG textColour = config.WindowTextColor();
    CopySettingsValues values = CopySettingsOf(config);
    const ULONG rows = 4;
    const LONG column = layout.Column(layout.y + layout.TextWidth("Copy delay 1/50s:") + layout.y);
    const LONG enableWidth = 8 * layout.x;

    Dialog dialog;
    dialog.description = DialogDescription::Common;
    dialog.title = "Copy, rename settings";
    dialog.innerHeight = layout.InnerHeight(rows);

    AddDialogLabel(dialog, layout.y, layout.LabelY(0), "Copy comment:", textColour);
    struct Gadget *copyComment = AddDialogButton(toolkit, dialog, CopyCommentId, "Enable",
                                                 DialogBox{column, layout.RowTop(0), enableWidth, layout.y}, TRUE,
                                                 values.copyComment);
    AddDialogLabel(dialog, layout.y, layout.LabelY(1), "Unprotects:", textColour);
    struct Gadget *unprotects = AddDialogButton(toolkit, dialog, UnprotectsId, "Enable",
                                                DialogBox{column, layout.RowTop(1), enableWidth, layout.y}, TRUE,
                                                values.unprotects);

    AddDialogLabel(dialog, layout.y, layout.LabelY(2), "Rename string:", textColour);
    struct Gadget *rename[3] = {};
    const LONG renameWidth = 7 * layout.x;
    for (ULONG i = 0; i < 3; i++) {
        DialogBox box{column + LONG(i) * (renameWidth + layout.x), layout.RowTop(2), renameWidth, layout.y};
        rename[i] = AddDialogButton(toolkit, dialog, RenameIds[i], RenameTexts[i], box, TRUE,
                                    ULONG(values.rename) == i);
    }

    AddDialogLabel(dialog, layout.y, layout.LabelY(3), "Copy delay 1/50s:", textColour);
    struct Gadget *delayToggle = AddDialogButton(toolkit, dialog, CopyDelayToggleId, "Enable",
                                                 DialogBox{column, layout.RowTop(3), enableWidth, layout.y}, TRUE,
                                                 values.delayEnabled);
    NumberRow delay;
    NumberRowShape shape;
    shape.sliderLeft = column + enableWidth + layout.y;
    shape.top = layout.RowTop(3);
    shape.height = layout.y;
    shape.rightMargin = layout.y;
    shape.gap = layout.y;
    shape.digits = 3;
    shape.maximum = CopyDelaySliderMax;
    AddNumberRow(toolkit, dialog, delay, CopyDelaySliderId, CopyDelayFieldId, shape, ULONG(values.delay));
    AddDialogButton(toolkit, dialog, SettingsOkId, "OK", layout.LeftButton(rows));
    AddDialogButton(toolkit, dialog, SettingsCancelId, "Cancel", layout.RightButton(rows));
    // Off, the delay cannot be set: it would not be used.
    if (!values.delayEnabled)
        SetNumberRowDisabled(dialog, delay, TRUE);

    if (!OpenDialog(toolkit, dialog)) {
        outcome.ending = SettingsOutcome::Ending::NotOpened;
        return outcome;
    }
    for (BOOL done = FALSE; !done;) {
        DialogEvent event = WaitDialogEvent(toolkit, dialog);
        if (event.kind == DialogEvent::Kind::Close)
            break;
        SettleNumberRow(dialog, delay);
        UWORD id = event.gadgetId;
        if (id >= RenameNameId && id <= RenameEmptyId) {
            SelectExclusive(dialog, rename, 3, rename[id - RenameNameId]);
        } else if (id == CopyDelayToggleId) {
            SetNumberRowDisabled(dialog, delay, !Selected(delayToggle));
        } else if (id == SettingsOkId) {
            values.copyComment = Selected(copyComment);
            values.unprotects = Selected(unprotects);
            values.rename = Selected(rename[0]) ? RenameChoice::Name
                            : Selected(rename[1]) ? RenameChoice::Stays
                                                  : RenameChoice::Empty;
            values.delayEnabled = Selected(delayToggle);
            values.delay = LONG(NumberRowValue(delay));
            StoreCopySettings(values, config);
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            done = TRUE;
        } else if (id == SettingsCancelId) {
            done = TRUE;
        }
    }
    CloseDialog(toolkit, dialog);
    return outcome;
}
