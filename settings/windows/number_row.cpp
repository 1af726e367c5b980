// settings/windows/number_row.cpp: making, settling and switching a slider with its number field.
#include "number_row.h"

#include <intuition/gadgetclass.h>
#include <intuition/icclass.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstdio>

namespace {

BOOL HasDigit(CONST_STRPTR text)
{
    for (; *text != '\0'; text++)
        if (*text >= '0' && *text <= '9')
            return TRUE;
    return FALSE;
}

void SetSliderTop(Dialog &dialog, struct Gadget *slider, ULONG top)
{
    struct TagItem tags[] = {{PGA_Top, top}, {TAG_DONE, 0}};
    SetGadgetAttrsA(slider, dialog.window, nullptr, tags);
}

void SetFieldValue(Dialog &dialog, struct Gadget *field, ULONG value)
{
    struct TagItem tags[] = {{STRINGA_LongVal, value}, {TAG_DONE, 0}};
    SetGadgetAttrsA(field, dialog.window, nullptr, tags);
}

}  // namespace

LONG NumberFieldWidth(const DialogToolkit &toolkit, ULONG digits)
{
    return LONG(digits + 1) * LONG(toolkit.glyphs->nominalWidth) + 2;
}

BOOL AddNumberRow(DialogToolkit &toolkit, Dialog &dialog, NumberRow &row, UWORD sliderId, UWORD fieldId,
                  const NumberRowShape &shape, ULONG value)
{
    row.maximum = shape.maximum;
    row.kept = std::min(value, shape.maximum);
    std::snprintf(row.text, sizeof row.text, "%lu", static_cast<unsigned long>(row.kept));
    // The sender's GA_ID travels with every change; it is not the target's.
    row.toField[0] = {PGA_Top, STRINGA_LongVal};
    row.toField[1] = {GA_ID, TAG_IGNORE};
    row.toField[2] = {TAG_DONE, 0};
    row.toSlider[0] = {STRINGA_LongVal, PGA_Top};
    row.toSlider[1] = {GA_ID, TAG_IGNORE};
    row.toSlider[2] = {TAG_DONE, 0};

    LONG fieldWidth = shape.fieldWidth != 0 ? shape.fieldWidth : NumberFieldWidth(toolkit, shape.digits);
    LONG sliderRelWidth = -(shape.sliderLeft + toolkit.bordersX - toolkit.borderLeft + shape.rightMargin + fieldWidth +
                            shape.gap);
    struct TagItem sliderTags[] = {
        {GA_ID, sliderId},
        {GA_Left, IPTR(shape.sliderLeft)},
        {GA_Top, IPTR(shape.top)},
        {GA_RelWidth, IPTR(sliderRelWidth)},
        {GA_Height, IPTR(shape.height)},
        {GA_RelVerify, TRUE},
        {PGA_Freedom, FREEHORIZ},
        {PGA_NewLook, TRUE},
        {PGA_Total, shape.maximum + 1},
        {PGA_Visible, 1},
        {PGA_Top, row.kept},
        {PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE},
        {PGA_RenderBehaviour, PG_BEHAVIOUR_NICE},
        {TAG_DONE, 0},
    };
    row.slider = AddDialogGadget(dialog, PROPGCLASS, sliderTags);
    if (row.slider == nullptr)
        return FALSE;

    DialogBox fieldBox{shape.rightMargin, shape.top, fieldWidth, shape.height, TRUE};
    struct TagItem fieldTags[] = {
        {GA_ID, fieldId},
        {GA_RelRight, IPTR(DialogGadgetLeft(toolkit, fieldBox))},
        {GA_Top, IPTR(shape.top)},
        {GA_Width, IPTR(fieldWidth)},
        {GA_Height, IPTR(shape.height)},
        {GA_RelVerify, TRUE},
        {STRINGA_MaxChars, shape.digits + 1},
        {STRINGA_Buffer, reinterpret_cast<IPTR>(row.text)},
        {STRINGA_Pens, IPTR(ULONG(toolkit.inactivePen) << 8 | 1)},
        {STRINGA_ActivePens, IPTR(ULONG(toolkit.activePen) << 8 | 1)},
        {STRINGA_LongVal, row.kept},
        {ICA_TARGET, reinterpret_cast<IPTR>(row.slider)},
        {ICA_MAP, reinterpret_cast<IPTR>(row.toSlider)},
        {TAG_DONE, 0},
    };
    row.field = AddDialogGadget(dialog, STRGCLASS, fieldTags);
    if (row.field == nullptr)
        return FALSE;
    struct TagItem connect[] = {
        {ICA_TARGET, reinterpret_cast<IPTR>(row.field)},
        {ICA_MAP, reinterpret_cast<IPTR>(row.toField)},
        {TAG_DONE, 0},
    };
    SetAttrsA(row.slider, connect);
    return TRUE;
}

void SettleNumberRow(Dialog &dialog, NumberRow &row)
{
    if (row.slider == nullptr || row.field == nullptr)
        return;
    if (!HasDigit(row.text)) {
        // Emptying the field moved the slider to 0 on the way; an empty
        // field is not a wish for 0.
        SetSliderTop(dialog, row.slider, row.kept);
        SetFieldValue(dialog, row.field, row.kept);
        return;
    }
    row.kept = NumberRowValue(row);
    if (DialogFieldNumber(row.field) != LONG(row.kept))
        SetFieldValue(dialog, row.field, row.kept);
}

ULONG NumberRowValue(const NumberRow &row)
{
    IPTR top = 0;
    if (row.slider != nullptr)
        GetAttr(PGA_Top, row.slider, &top);
    return ULONG(std::min<IPTR>(top, row.maximum));
}

void SetNumberRowDisabled(Dialog &dialog, NumberRow &row, BOOL disabled)
{
    struct TagItem tags[] = {{GA_Disabled, IPTR(disabled)}, {TAG_DONE, 0}};
    for (struct Gadget *gadget : {row.slider, row.field}) {
        if (gadget == nullptr)
            continue;
        SetGadgetAttrsA(gadget, dialog.window, nullptr, tags);
        if (dialog.window != nullptr)
            RefreshGList(gadget, dialog.window, nullptr, 1);
    }
}

BOOL AddNumberField(DialogToolkit &toolkit, Dialog &dialog, NumberField &field, UWORD id, const DialogBox &box,
                    ULONG digits, LONG low, LONG high, LONG value)
{
    field.low = low;
    field.high = high;
    field.kept = std::clamp(value, low, high);
    std::snprintf(field.text, sizeof field.text, "%ld", static_cast<long>(field.kept));
    struct TagItem tags[] = {
        {GA_ID, id},
        {GA_Left, IPTR(box.left)},
        {GA_Top, IPTR(box.top)},
        {GA_Width, IPTR(box.width)},
        {GA_Height, IPTR(box.height)},
        {GA_RelVerify, TRUE},
        {STRINGA_MaxChars, digits + 1},
        {STRINGA_Buffer, reinterpret_cast<IPTR>(field.text)},
        {STRINGA_Pens, IPTR(ULONG(toolkit.inactivePen) << 8 | 1)},
        {STRINGA_ActivePens, IPTR(ULONG(toolkit.activePen) << 8 | 1)},
        {STRINGA_LongVal, IPTR(field.kept)},
        {TAG_DONE, 0},
    };
    field.field = AddDialogGadget(dialog, STRGCLASS, tags);
    return field.field != nullptr;
}

void SettleNumberField(Dialog &dialog, NumberField &field)
{
    if (field.field == nullptr)
        return;
    if (HasDigit(field.text))
        field.kept = std::clamp(DialogFieldNumber(field.field), field.low, field.high);
    if (DialogFieldNumber(field.field) != field.kept || !HasDigit(field.text))
        SetFieldValue(dialog, field.field, ULONG(field.kept));
}

LONG NumberFieldValue(const NumberField &field)
{
    if (field.field == nullptr || !HasDigit(field.text))
        return field.kept;
    return std::clamp(DialogFieldNumber(field.field), field.low, field.high);
}
