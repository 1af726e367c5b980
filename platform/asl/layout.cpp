// asl/layout.cpp: the file requester's geometry from the font: the list and its scroller, the fields, the buttons.
#include "aslprivate.h"

#include <hosted/graphics.h>

#include <algorithm>

namespace hosted::asl {

namespace {

struct Metrics {
    LONG y = 8;            // the font's height
    LONG x = 8;            // its nominal width
    LONG margin = 6;
    LONG gap = 4;          // between neighbours of a row
    LONG rowHeight = 12;
    LONG fieldHeight = 14; // the text area of a field
    LONG fieldRoom = 22;   // a field with its frame and the space under it
    LONG buttonHeight = 18;
    LONG buttonWidth = 64;
    LONG labelWidth = 48;
    LONG scrollWidth = 16;
};

Metrics MetricsOf(struct TextFont *font, const std::string &positive, const std::string &negative)
{
    TextMeasure measure(font);
    Metrics m;
    if (font != nullptr) {
        m.y = std::max<LONG>(font->tf_YSize, 6);
        m.x = std::max<LONG>(font->tf_XSize, 4);
    }
    m.margin = std::max<LONG>(m.y * 2 / 3, 6);
    m.gap = std::max<LONG>(m.y / 3, 4);
    m.rowHeight = m.y + 4;
    m.fieldHeight = m.y + 6;
    m.fieldRoom = m.fieldHeight + 4 + m.gap;
    m.buttonHeight = m.y + m.y / 2 + 4;
    m.buttonWidth = 8 * m.x;
    for (const std::string &label : {positive, std::string("Volumes"), std::string("Parent"), negative})
        m.buttonWidth = std::max<LONG>(m.buttonWidth, measure.Width(label) + 4 * m.x);
    m.labelWidth = std::max(measure.Width("Drawer"), measure.Width("File")) + m.x + 2;
    m.scrollWidth = std::max<LONG>(m.y + 4, 16);
    return m;
}

struct IBox Box(LONG left, LONG top, LONG width, LONG height)
{
    return {static_cast<WORD>(left), static_cast<WORD>(top), static_cast<WORD>(std::max<LONG>(width, 0)),
            static_cast<WORD>(std::max<LONG>(height, 0))};
}

// The height below the list: the fields and the buttons, with their spaces.
LONG BelowList(const Metrics &m, bool drawersOnly)
{
    return m.margin + (drawersOnly ? 0 : m.fieldRoom) + m.fieldHeight + 4 + m.margin + m.buttonHeight + m.margin;
}

}  // namespace

Layout LayoutRequester(struct TextFont *font, LONG innerWidth, LONG innerHeight, bool drawersOnly,
                       const std::string &positive, const std::string &negative)
{
    const Metrics m = MetricsOf(font, positive, negative);
    Layout l;
    l.rowHeight = m.rowHeight;

    const LONG buttonTop = innerHeight - m.margin - m.buttonHeight;
    const LONG spread = innerWidth - 2 * m.margin - m.buttonWidth;
    for (LONG i = 0; i < 4; i++)
        l.buttons[i] = Box(m.margin + i * spread / 3, buttonTop, m.buttonWidth, m.buttonHeight);

    // Fields from the bottom up; a field's frame lies 2 pixels around its text area.
    const LONG fieldLeft = m.margin + m.labelWidth + 2;
    const LONG fieldWidth = innerWidth - m.margin - 2 - fieldLeft;
    LONG fieldTop = buttonTop - m.margin - 2 - m.fieldHeight;
    if (!drawersOnly) {
        l.fileField = Box(fieldLeft, fieldTop, fieldWidth, m.fieldHeight);
        l.fileLabel = Box(m.margin, fieldTop, m.labelWidth, m.fieldHeight);
        fieldTop -= m.fieldRoom;
    }
    l.drawerField = Box(fieldLeft, fieldTop, fieldWidth, m.fieldHeight);
    l.drawerLabel = Box(m.margin, fieldTop, m.labelWidth, m.fieldHeight);

    const LONG listHeight = fieldTop - 2 - m.margin - m.margin;
    l.scroller = Box(innerWidth - m.margin - m.scrollWidth, m.margin, m.scrollWidth, listHeight);
    l.list = Box(m.margin, m.margin, innerWidth - 2 * m.margin - m.scrollWidth - m.gap, listHeight);
    l.rows = Box(l.list.Left + 2, l.list.Top + 2, l.list.Width - 4, l.list.Height - 4);
    l.rowCount = std::max<LONG>(l.rows.Height / m.rowHeight, 0);
    return l;
}

void MinimumInnerSize(struct TextFont *font, bool drawersOnly, const std::string &positive,
                      const std::string &negative, LONG &width, LONG &height)
{
    const Metrics m = MetricsOf(font, positive, negative);
    width = std::max<LONG>(4 * m.buttonWidth + 3 * m.gap, m.labelWidth + 12 * m.x + m.scrollWidth) + 2 * m.margin;
    height = m.margin + 4 + 3 * m.rowHeight + BelowList(m, drawersOnly);
}

void DefaultInnerSize(struct TextFont *font, bool drawersOnly, const std::string &positive,
                      const std::string &negative, LONG &width, LONG &height)
{
    const Metrics m = MetricsOf(font, positive, negative);
    LONG minWidth = 0, minHeight = 0;
    MinimumInnerSize(font, drawersOnly, positive, negative, minWidth, minHeight);
    width = std::max<LONG>(minWidth, 52 * m.x);
    height = m.margin + 4 + 14 * m.rowHeight + BelowList(m, drawersOnly);
}

}  // namespace hosted::asl
