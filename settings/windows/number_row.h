// settings/windows/number_row.h: a slider and an integer field that follow each other both ways.
#ifndef SETTINGS_WINDOWS_NUMBER_ROW_H
#define SETTINGS_WINDOWS_NUMBER_ROW_H

#include <ui/dialog.h>

// The slider ("propgclass", PGA_Total maximum + 1, PGA_Visible 1) and the
// field ("strgclass" with STRINGA_LongVal) are each other's ICA_TARGET:
// the slider's PGA_Top becomes the field's STRINGA_LongVal and back, so
// dragging shows the number and typing moves the slider while it happens.
// The slider bounds what is typed. The row lives inside its window's state
// (the field's text and the two maps are its own) while the dialog is open.
struct NumberRow {
    struct Gadget *slider = nullptr;
    struct Gadget *field = nullptr;
    ULONG maximum = 0;
    ULONG kept = 0;          // the value last settled: what an emptied field goes back to
    char text[12] = {};      // the field's buffer: STRINGA_MaxChars bounds what is typed
    struct TagItem toField[3] = {};
    struct TagItem toSlider[3] = {};
};

// Where a row goes: the slider from `sliderLeft` (window coordinates) to
// the field, which is right-aligned `rightMargin` from the right border
// with room for `digits` digits; both `height` high at `top`.
struct NumberRowShape {
    LONG sliderLeft = 0;
    LONG top = 0;
    LONG height = 0;
    LONG rightMargin = 0;
    LONG gap = 0;            // between slider and field
    ULONG digits = 3;
    ULONG maximum = 255;
    LONG fieldWidth = 0;     // 0: as wide as `digits` need; rows of one window may share the widest
};

// The width a field of `digits` digits takes (a digit more for the cursor).
LONG NumberFieldWidth(const DialogToolkit &toolkit, ULONG digits);

// Makes the slider and the field, set to `value` (bounded to the slider's
// range), and connects them. FALSE when a gadget cannot be made (the
// dialog is marked failed and OpenDialog will refuse).
BOOL AddNumberRow(DialogToolkit &toolkit, Dialog &dialog, NumberRow &row, UWORD sliderId, UWORD fieldId,
                  const NumberRowShape &shape, ULONG value);

// After every event of the window: a field left without a digit takes the
// kept value again (and so does its slider); otherwise the slider's
// position, already bounded, becomes the kept value and the field shows
// it, so a number typed past the end reads as the end once it is entered.
void SettleNumberRow(Dialog &dialog, NumberRow &row);

// The row's value: the slider's position.
ULONG NumberRowValue(const NumberRow &row);

// Disables or enables both gadgets at once (GA_Disabled) and redraws them.
void SetNumberRowDisabled(Dialog &dialog, NumberRow &row, BOOL disabled);

// An integer field alone, bounded to low … high the way a row's slider
// bounds its field: when it is entered, a number out of range shows as the
// end it passed and an emptied field takes its last value again.
struct NumberField {
    struct Gadget *field = nullptr;
    LONG low = 0;
    LONG high = 0;
    LONG kept = 0;
    char text[12] = {};
};

// Makes the field at `box` (GA_Left, a fixed width for `digits` digits),
// showing `value` bounded to low … high. FALSE when it cannot be made.
BOOL AddNumberField(DialogToolkit &toolkit, Dialog &dialog, NumberField &field, UWORD id, const DialogBox &box,
                    ULONG digits, LONG low, LONG high, LONG value);

// After every event: bounds or restores the field's value (see above).
void SettleNumberField(Dialog &dialog, NumberField &field);

// The field's value, always within low … high.
LONG NumberFieldValue(const NumberField &field);

#endif /* SETTINGS_WINDOWS_NUMBER_ROW_H */
