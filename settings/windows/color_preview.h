// settings/windows/color_preview.h: the ColorPreview: colours being tried, their gradient, and the window's own pixels.
#ifndef SETTINGS_WINDOWS_COLOR_PREVIEW_H
#define SETTINGS_WINDOWS_COLOR_PREVIEW_H

#include <lister/gradient.h>
#include <lister/pixels.h>

// The four colours a colour window edits, in the order the block keeps them.
enum PreviewColor : ULONG {
    PreviewDrawerText = 0,
    PreviewText = 1,
    PreviewBegin = 2,
    PreviewEnd = 3,
    PreviewColorCount = 4
};

// One block, allocated when a colour window opens and freed when it
// closes: the colours, then a GradientTable built from the begin and end
// colours, then the pixel buffer the window is painted from, so that
// "Test" can show colours no other window uses yet.
struct ColorPreview {
    APTR block = nullptr;
    ULONG blockSize = 0;
    ULONG *colours = nullptr;          // PreviewColorCount words 0x00RRGGBB
    GradientTable *gradient = nullptr;
    RenderTarget pixels;               // width × rows, a stride of 4 × width
};

// Allocates the block for a window at most `width` pixels wide inside and
// `rows` rows high (at least 256). FALSE when the memory is not there; the
// preview stays empty.
BOOL AllocColorPreview(ColorPreview &preview, ULONG width, ULONG rows);

// Frees it; an empty preview is ignored.
void FreeColorPreview(ColorPreview &preview);

// The gradient table from the preview's begin and end colours.
void RebuildPreviewGradient(ColorPreview &preview);

#endif /* SETTINGS_WINDOWS_COLOR_PREVIEW_H */
