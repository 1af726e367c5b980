// core/rendering.cpp: the lister's canvas chosen and kept in step with the variant: buffer or screen bitmap.
#include "rendering.h"

#include <settings/config_check.h>

void ChooseListerCanvas(Lister &lister)
{
    if (lister.HasBitmapBuffer()) {
        lister.bufferCanvas.UseDirect(&lister.direct);
        lister.canvas = &lister.bufferCanvas;
        return;
    }
    lister.bitmapCanvas.Attach(lister.screen != nullptr ? lister.screen->RastPort.BitMap : nullptr);
    lister.canvas = &lister.bitmapCanvas;
}

void AttachBitmapBuffer(Lister &lister)
{
    if (lister.HasBitmapBuffer())
        lister.bufferCanvas.Attach(lister.buffers.Bytes(BufferBitmap), lister.buffers.Length(BufferBitmap));
}

void DetachListerCanvas(Lister &lister)
{
    lister.canvas->Release();
    lister.bufferCanvas.Attach(nullptr, 0);
}

void BuildListerGradient(Lister &lister)
{
    BuildGradientIn(lister.canvas->Order(), lister.listerGradient, lister.config.ListerGradientBegin(),
                    lister.config.ListerGradientEnd());
}

void StoreStatusLineSize(Lister &lister, const BufferSetLengths &lengths)
{
    if (!lister.HasBitmapBuffer())
        lister.config.SetBitmapSize(lengths.lengths[BufferStatusStrip]);
}

ULONG ReportedConfigResets(const Lister &lister, ULONG resets)
{
    return lister.HasBitmapBuffer() ? resets : resets & ~ULONG(ResetBitmap);
}

void DescribeSettingsFor(const Lister &lister, SettingsContext &context)
{
    context.rows.bitmapRow = lister.HasBitmapBuffer();
    context.rows.directBitMapRow = lister.HasBitmapBuffer();
    context.listerGradientOrder = lister.canvas->Order();
}
