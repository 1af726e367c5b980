// settings/windows/date_formats.cpp: "Date format settings": the date format and the day-name substitution.
#include "settings_windows.h"

#include "gadget_ids.h"
#include "settings_rules.h"
#include "window_layout.h"

namespace {

struct Choice {
    CONST_STRPTR label;    // the row's label
    CONST_STRPTR button;   // the toggle's text
};

// In the order of the format byte.
const Choice Formats[4] = {
    {"dd-mmm-yy:", "DOS"},
    {"yy-mmm-dd:", "International"},
    {"mm-dd-yy:", "American"},
    {"dd-mm-yy:", "Canadian"},
};

const Choice DayNames[2] = {
    {"Day name:", "Day name"},
    {"No day name:", "No day name"},
};

// Which member of a group is on.
ULONG SelectedIndex(struct Gadget *const *group, ULONG count)
{
    for (ULONG i = 0; i < count; i++)
        if ((group[i]->Flags & GFLG_SELECTED) != 0)
            return i;
    return 0;
}

}  // namespace

SettingsOutcome RunDateFormatSettings(const SettingsContext &context, ConfigRecord &config)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const SettingsLayout layout(toolkit, 3);
    const ULONG textColour = config.WindowTextColor();
    // Headings, four formats, a heading, two day-name rows.
    const ULONG rows = 8;
    const LONG buttonColumn = layout.y + layout.TextWidth("No day name:") + layout.y;
    const LONG buttonWidth = layout.TextWidth("International") + 2 * layout.x;

    Dialog dialog;
    dialog.description = DialogDescription::Second;
    dialog.title = "Date format settings";
    dialog.innerHeight = layout.InnerHeight(rows);

    const UBYTE format = DateFormatChoice(config.DateFormat());
    const BOOL dayName = config.DayNameSubstitution() != 0;
    struct Gadget *formatButtons[4] = {};
    struct Gadget *dayButtons[2] = {};
    AddDialogLabel(dialog, layout.y, layout.LabelY(0), "Select date format:", textColour);
    for (ULONG i = 0; i < 4; i++) {
        AddDialogLabel(dialog, layout.y, layout.LabelY(1 + i), Formats[i].label, textColour);
        DialogBox box{layout.Column(buttonColumn), layout.RowTop(1 + i), buttonWidth, layout.y};
        formatButtons[i] = AddDialogButton(toolkit, dialog, DateFormatId(i), Formats[i].button, box, TRUE, i == format);
    }
    AddDialogLabel(dialog, layout.y, layout.LabelY(5), "Day name substitution:", textColour);
    for (ULONG i = 0; i < 2; i++) {
        AddDialogLabel(dialog, layout.y, layout.LabelY(6 + i), DayNames[i].label, textColour);
        DialogBox box{layout.Column(buttonColumn), layout.RowTop(6 + i), buttonWidth, layout.y};
        dayButtons[i] = AddDialogButton(toolkit, dialog, i == 0 ? DayNameId : NoDayNameId, DayNames[i].button, box,
                                        TRUE, (i == 0) == dayName);
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
        UWORD id = event.gadgetId;
        if (id >= DateFormatId(0) && id <= DateFormatId(3)) {
            SelectExclusive(dialog, formatButtons, 4, formatButtons[id - DateFormatId(0)]);
        } else if (id == DayNameId || id == NoDayNameId) {
            SelectExclusive(dialog, dayButtons, 2, dayButtons[id == DayNameId ? 0 : 1]);
        } else if (id == SettingsOkId) {
            StoreDateFormat(SelectedIndex(formatButtons, 4), SelectedIndex(dayButtons, 2) == 0, config);
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            outcome.effects = SettingsRemakeDates | SettingsRereadLister;
            done = TRUE;
        } else if (id == SettingsCancelId) {
            done = TRUE;
        }
    }
    CloseDialog(toolkit, dialog);
    return outcome;
}
