// settings/windows/color_preview.cpp: allocating, freeing and rebuilding a colour window's ColorPreview.
#include "color_preview.h"

#include <proto/exec.h>

#include <algorithm>

namespace {

constexpr ULONG PreviewMinRows = 256;
constexpr ULONG ColoursBytes = PreviewColorCount * sizeof(ULONG);

}  // namespace

BOOL AllocColorPreview(ColorPreview &preview, ULONG width, ULONG rows)
{
    preview = ColorPreview();
    rows = std::max(rows, PreviewMinRows);
    width = std::max<ULONG>(width, 1);
    UQUAD pixelBytes = UQUAD(width) * PixelBytes * rows;
    UQUAD total = ColoursBytes + sizeof(GradientTable) + pixelBytes;
    if (total > 0x7FFFFFFFULL)
        return FALSE;
    auto *block = static_cast<UBYTE *>(AllocVec(ULONG(total), MEMF_ANY));
    if (block == nullptr)
        return FALSE;
    preview.block = block;
    preview.blockSize = ULONG(total);
    preview.colours = reinterpret_cast<ULONG *>(block);
    preview.gradient = reinterpret_cast<GradientTable *>(block + ColoursBytes);
    preview.pixels = RenderTarget{block + ColoursBytes + sizeof(GradientTable), width * PixelBytes, width, rows};
    for (ULONG i = 0; i < PreviewColorCount; i++)
        preview.colours[i] = 0;
    preview.gradient->count = 1;
    preview.gradient->colours[0] = 0;
    return TRUE;
}

void FreeColorPreview(ColorPreview &preview)
{
    if (preview.block != nullptr)
        FreeVec(preview.block);
    preview = ColorPreview();
}

void RebuildPreviewGradient(ColorPreview &preview)
{
    BuildGradient(*preview.gradient, preview.colours[PreviewBegin], preview.colours[PreviewEnd]);
}
