// Shared pieces of the lister tests: an entry buffer filled by hand and a hand-made glyph set.
#ifndef TESTS_LISTER_SUPPORT_H
#define TESTS_LISTER_SUPPORT_H

#include <lister/entry_buffer.h>
#include <lister/glyph_engine.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace listertest {

// An EntryBuffer in memory of its own, filled with AddEntry as ReadDrawer
// would fill it.
class TestEntries {
public:
    explicit TestEntries(ULONG size = 2048000)
        : storage(new UQUAD[(size + 7) / 8]()), buffer(storage.get(), size)
    {
        EXPECT_TRUE(InitEntryBuffer(buffer));
    }

    ListerEntry &AddEntry(const std::string &name, LONG type, UQUAD size = 0, LONG days = 0, LONG minute = 0,
                          LONG tick = 0, const std::string &comment = "")
    {
        ListerHeader &header = *buffer.Header();
        ListerEntry &entry = *buffer.Entry(header.EntryCount());
        std::memset(&entry, 0, sizeof entry);
        entry.type = type;
        entry.SetSize(size);
        entry.date = {days, minute, tick};
        std::strncpy(entry.name, name.c_str(), ListerNameSize - 1);
        std::strncpy(entry.comment, comment.c_str(), ListerCommentSize - 1);
        if (type >= 0)
            header.drawerCount++;
        else
            header.fileCount++;
        return entry;
    }

    // Names in display order.
    std::vector<std::string> DisplayNames() const
    {
        std::vector<std::string> names;
        for (ULONG row = 0; const ListerEntry *entry = buffer.SlotEntry(row); row++)
            names.push_back(entry->name);
        return names;
    }

    std::unique_ptr<UQUAD[]> storage;
    EntryBuffer buffer;
};

// A glyph set made without graphics: each code gets a width and a glyph
// drawn by a function of (column, row), laid out in cells as
// BuildGlyphSet lays them out.
class FakeGlyphs {
public:
    using Pattern = bool (*)(ULONG column, ULONG row);

    FakeGlyphs(ULONG height, ULONG nominalWidth) : cells(256)
    {
        glyphs.height = height;
        glyphs.nominalWidth = nominalWidth;
        glyphs.baseline = height - 2;
        glyphs.table = cells.data();
        std::memset(&bitmap, 0, sizeof bitmap);
        widths.assign(256, 0);
        patterns.assign(256, nullptr);
    }

    void SetGlyph(UBYTE code, ULONG width, Pattern pattern)
    {
        widths[code] = width;
        patterns[code] = pattern;
    }

    // Lays the cells out and draws the sheet; call after the SetGlyphs.
    const GlyphSet &Build()
    {
        ULONG sum = 0;
        for (ULONG w : widths)
            sum += w;
        ULONG sheetWidth = sum + 8192;
        bytesPerRow = ((sheetWidth + 127) / 128) * 16;
        sheet.assign(bytesPerRow * glyphs.height, 0);
        ULONG x = 0;
        for (ULONG code = 0; code < 256; code++) {
            cells[code].column = x;
            cells[code].advanceBytes = widths[code] * 4;
            for (ULONG row = 0; row < glyphs.height; row++)
                for (ULONG column = 0; column < widths[code]; column++)
                    if (patterns[code] != nullptr && patterns[code](column, row)) {
                        ULONG bit = x + column;
                        sheet[row * bytesPerRow + bit / 8] |= UBYTE(0x80 >> (bit % 8));
                    }
            // Junk right of the glyph, which must never be drawn.
            for (ULONG row = 0; row < glyphs.height; row++)
                for (ULONG column = widths[code]; column < ((x + widths[code] + 32) & ~31UL) - x; column++) {
                    ULONG bit = x + column;
                    sheet[row * bytesPerRow + bit / 8] |= UBYTE(0x80 >> (bit % 8));
                }
            x = (x + widths[code] + 32) & ~31UL;
        }
        bitmap.BytesPerRow = UWORD(bytesPerRow);
        bitmap.Rows = UWORD(glyphs.height);
        bitmap.Depth = 1;
        bitmap.Planes[0] = sheet.data();
        glyphs.sheet = &bitmap;
        return glyphs;
    }

    GlyphSet glyphs;

private:
    std::vector<GlyphCell> cells;
    std::vector<ULONG> widths;
    std::vector<Pattern> patterns;
    std::vector<UBYTE> sheet;
    ULONG bytesPerRow = 0;
    struct BitMap bitmap;
};

// A pixel buffer of its own.
struct TestPicture {
    TestPicture(ULONG width, ULONG height, ULONG colour = 0) : pixels(size_t(width) * height * 4)
    {
        target = RenderTarget{pixels.data(), width * 4, width, height};
        FillPixels(pixels.data(), width * height, colour);
    }
    ULONG At(ULONG x, ULONG y) const { return LoadPixel(target.PixelAt(x, y)); }

    std::vector<UBYTE> pixels;
    RenderTarget target;
};

}  // namespace listertest

#endif  // TESTS_LISTER_SUPPORT_H
