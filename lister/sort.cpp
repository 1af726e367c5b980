// lister/sort.cpp: building the display order ("No sort", "Name case", "Date").
#include "sort.h"

#include <settings/config_record.h>

#include <algorithm>
#include <iterator>

namespace {

// strcmp compares as unsigned char, which is the order wanted: byte by
// byte, the shorter name first when one is a prefix of the other.
int CompareNames(const ListerEntry &a, const ListerEntry &b)
{
    return std::strcmp(a.name, b.name);
}

// Newer first; ties by name ascending.
bool DateBefore(const ListerEntry &a, const ListerEntry &b)
{
    if (a.date.ds_Days != b.date.ds_Days)
        return a.date.ds_Days > b.date.ds_Days;
    if (a.date.ds_Minute != b.date.ds_Minute)
        return a.date.ds_Minute > b.date.ds_Minute;
    if (a.date.ds_Tick != b.date.ds_Tick)
        return a.date.ds_Tick > b.date.ds_Tick;
    return CompareNames(a, b) < 0;
}

// Sorts display rows first … first + count - 1. Slots grow downward in
// memory, so the rows in display order are the memory range walked
// backwards.
template <typename Before>
void SortRows(const EntryBuffer &buffer, ULONG first, ULONG count, Before before)
{
    if (count < 2)
        return;
    DisplaySlot *lowest = buffer.Slot(first + count - 1);
    DisplaySlot *highest = buffer.Slot(first) + 1;
    std::sort(std::make_reverse_iterator(highest), std::make_reverse_iterator(lowest),
              [&](const DisplaySlot &a, const DisplaySlot &b) {
                  return before(*buffer.EntryAtOffset(a.entryOffset), *buffer.EntryAtOffset(b.entryOffset));
              });
}

}  // namespace

void SortEntries(const EntryBuffer &buffer, UBYTE sortOrder)
{
    if (!buffer.Usable())
        return;
    const ListerHeader &header = *buffer.Header();
    ULONG count = header.EntryCount();
    if (count > buffer.Capacity())
        count = buffer.Capacity();

    if (sortOrder != SortNameCase && sortOrder != SortDate) {
        for (ULONG i = 0; i < count; i++)
            *buffer.Slot(i) = DisplaySlot{0, EntryBuffer::EntryOffset(i)};
    } else {
        // Drawers to the front rows, files behind them, each in reading order.
        ULONG drawers = 0;
        for (ULONG i = 0; i < count; i++)
            if (buffer.Entry(i)->IsDrawer())
                *buffer.Slot(drawers++) = DisplaySlot{0, EntryBuffer::EntryOffset(i)};
        ULONG files = drawers;
        for (ULONG i = 0; i < count; i++)
            if (!buffer.Entry(i)->IsDrawer())
                *buffer.Slot(files++) = DisplaySlot{0, EntryBuffer::EntryOffset(i)};

        if (sortOrder == SortNameCase) {
            auto byName = [](const ListerEntry &a, const ListerEntry &b) { return CompareNames(a, b) < 0; };
            SortRows(buffer, 0, drawers, byName);
            SortRows(buffer, drawers, count - drawers, byName);
        } else {
            SortRows(buffer, 0, drawers, DateBefore);
            SortRows(buffer, drawers, count - drawers, DateBefore);
        }
    }
    *buffer.Slot(count) = DisplaySlot{0, 0};
}
