// settings/windows/lister_view.cpp: "Lister view settings": name spacing, selection, columns, the lister's place and size.
#include "settings_windows.h"

#include "gadget_ids.h"
#include "number_row.h"
#include "settings_rules.h"
#include "window_layout.h"

#include <intuition/screens.h>

#include <algorithm>

namespace {

constexpr LONG ListerPlaceMax = 9999;   // four digits

BOOL Selected(const struct Gadget *gadget)
{
    return gadget != nullptr && (gadget->Flags & GFLG_SELECTED) != 0;
}

}  // namespace

SettingsOutcome RunListerViewSettings(const SettingsContext &context, ConfigRecord &config)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const SettingsLayout layout(toolkit, 3);
    const ULONG textColour = config.WindowTextColor();
    ListerViewValues values = ListerViewOf(config);
    values.noCgxWpaShown = context.rows.directBitMapRow;
    if (toolkit.screen != nullptr) {
        values.leftLimit = toolkit.screen->Width;
        values.topLimit = toolkit.screen->Height;
    }
    // The four place and size fields get a row of their own under their
    // label, so that the window keeps its width whatever the font.
    const ULONG rows = values.noCgxWpaShown ? 6 : 5;
    const LONG column = layout.Column(layout.y + layout.TextWidth("Extra space filename:") + layout.y);
    const DialogBox enable{column, 0, 8 * layout.x, layout.y};

    Dialog dialog;
    dialog.description = DialogDescription::Common;
    dialog.title = "Lister view settings";
    dialog.innerHeight = layout.InnerHeight(rows);

    NumberField extraSpace;
    AddDialogLabel(dialog, layout.y, layout.LabelY(0), "Extra space filename:", textColour);
    AddNumberField(toolkit, dialog, extraSpace, ExtraSpaceId,
                   DialogBox{column, layout.RowTop(0), NumberFieldWidth(toolkit, 1), layout.y}, 1, 0, 9,
                   values.extraSpace);

    AddDialogLabel(dialog, layout.y, layout.LabelY(1), "Stay selected:", textColour);
    DialogBox box = enable;
    box.top = layout.RowTop(1);
    struct Gadget *staySelected =
        AddDialogButton(toolkit, dialog, StaySelectedId, "Enable", box, TRUE, values.staySelected);

    AddDialogLabel(dialog, layout.y, layout.LabelY(2), "Status and comment:", textColour);
    box.top = layout.RowTop(2);
    struct Gadget *statusAndComment =
        AddDialogButton(toolkit, dialog, StatusAndCommentId, "Enable", box, TRUE, values.statusAndComment);

    AddDialogLabel(dialog, layout.y, layout.LabelY(3), "Max. left, top, width, height:", textColour);
    NumberField places[4];
    const UWORD placeIds[4] = {ListerLeftId, ListerTopId, ListerMaxWidthId, ListerMaxHeightId};
    const LONG placeValues[4] = {values.left, values.top, values.maxWidth, values.maxHeight};
    const LONG placeHighs[4] = {std::min(values.leftLimit - 1, ListerPlaceMax),
                                std::min(values.topLimit - 1, ListerPlaceMax), ListerPlaceMax, ListerPlaceMax};
    const LONG placeWidth = NumberFieldWidth(toolkit, 4);
    for (ULONG i = 0; i < 4; i++) {
        DialogBox place{layout.Column(layout.y + LONG(i) * (placeWidth + layout.y)), layout.RowTop(4), placeWidth,
                        layout.y};
        AddNumberField(toolkit, dialog, places[i], placeIds[i], place, 4, 0, placeHighs[i], placeValues[i]);
    }

    struct Gadget *noCgxWpa = nullptr;
    if (values.noCgxWpaShown) {
        AddDialogLabel(dialog, layout.y, layout.LabelY(5), "no cgx_wpa:", textColour);
        box.top = layout.RowTop(5);
        noCgxWpa = AddDialogButton(toolkit, dialog, NoCgxWpaId, "Enable", box, TRUE, values.noCgxWpa);
    }
    AddDialogButton(toolkit, dialog, SettingsOkId, "OK", layout.LeftButton(rows));
    AddDialogButton(toolkit, dialog, SettingsCancelId, "Cancel", layout.RightButton(rows));

    if (!OpenDialog(toolkit, dialog)) {
        outcome.ending = SettingsOutcome::Ending::NotOpened;
        return outcome;
    }
    for (BOOL done = FALSE; !done;) {
        DialogEvent event = WaitDialogEvent(toolkit, dialog);
        if (event.kind == DialogEvent::Kind::Close)
            break;
        SettleNumberField(dialog, extraSpace);
        for (NumberField &place : places)
            SettleNumberField(dialog, place);
        if (event.gadgetId == SettingsOkId) {
            values.extraSpace = NumberFieldValue(extraSpace);
            values.staySelected = Selected(staySelected);
            values.statusAndComment = Selected(statusAndComment);
            values.left = NumberFieldValue(places[0]);
            values.top = NumberFieldValue(places[1]);
            values.maxWidth = NumberFieldValue(places[2]);
            values.maxHeight = NumberFieldValue(places[3]);
            values.noCgxWpa = Selected(noCgxWpa);
            StoreListerView(values, config);
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            outcome.effects = SettingsSyncDirectBitMap | SettingsRereadLister;
            done = TRUE;
        } else if (event.gadgetId == SettingsCancelId) {
            done = TRUE;
        }
    }
    CloseDialog(toolkit, dialog);
    return outcome;
}
