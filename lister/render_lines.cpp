// lister/render_lines.cpp: drawing the entries' lines into the RenderBitmap.
#include "render_lines.h"

#include "decimal.h"

void FormatProtection(char *text, ULONG protection)
{
    static const char shownWhenSet[4] = {'h', 's', 'p', 'a'};
    static const char shownWhenClear[4] = {'r', 'w', 'e', 'd'};
    for (int i = 0; i < 4; i++) {
        text[i] = (protection & (1UL << (7 - i))) != 0 ? shownWhenSet[i] : '-';
        text[4 + i] = (protection & (1UL << (3 - i))) == 0 ? shownWhenClear[i] : '-';
    }
    text[8] = '\0';
}

void RenderListerLines(const RenderTarget &bitmap, const ListerLayout &layout, const EntryBuffer &entries,
                       const GlyphSet &glyphs, DateRequest &dates, ULONG drawerColour, ULONG textColour)
{
    RenderListerLineRange(bitmap, layout, entries, glyphs, dates, drawerColour, textColour, 0, layout.linesDrawn);
}

void RenderListerLineRange(const RenderTarget &bitmap, const ListerLayout &layout, const EntryBuffer &entries,
                           const GlyphSet &glyphs, DateRequest &dates, ULONG drawerColour, ULONG textColour,
                           ULONG first, ULONG end)
{
    const ListerColumns &columns = layout.columns;
    const LONG unit = LONG(glyphs.nominalWidth);
    const ULONG sizeEnd = columns.name + columns.size - 1;   // the column after a size's last digit
    const LONG dateX = 1 + unit * LONG(columns.name + columns.size);
    const LONG timeX = dateX + unit * LONG(columns.date);
    const LONG protectionX = timeX + unit * LONG(columns.time);
    const LONG commentX = protectionX + unit * LONG(columns.protection);

    TextPen pen;
    if (end > layout.linesDrawn)
        end = layout.linesDrawn;
    for (ULONG row = first; row < end; row++) {
        const ListerEntry *entry = entries.SlotEntry(row);
        if (entry == nullptr)
            break;
        const LONG y = 1 + LONG(row * layout.lineHeight);
        const ULONG colour = entry->IsDrawer() ? drawerColour : textColour;

        DrawText(glyphs, pen, bitmap, 1, y, colour, entry->name);

        if (!entry->IsDrawer()) {
            char digits[DecimalDigits64Max + 1];
            char *end = FormatDecimal64(digits, entry->Size());
            *end = '\0';
            LONG column = LONG(sizeEnd) - LONG(end - digits);
            DrawText(glyphs, pen, bitmap, 1 + unit * column, y, colour, digits);
        }

        FormatEntryDate(dates, entry->date);
        DrawText(glyphs, pen, bitmap, dateX, y, colour, dates.dateText);
        DrawText(glyphs, pen, bitmap, timeX, y, colour, dates.timeText);

        if (layout.statusAndComment) {
            char flags[9];
            FormatProtection(flags, entry->protection);
            DrawText(glyphs, pen, bitmap, protectionX, y, colour, flags);
            // The record's last byte is always NUL; this keeps a damaged
            // record from running into the next one.
            char comment[ListerCommentSize];
            std::memcpy(comment, entry->comment, ListerCommentSize);
            comment[ListerCommentSize - 1] = '\0';
            DrawText(glyphs, pen, bitmap, commentX, y, colour, comment);
        }
    }
}
