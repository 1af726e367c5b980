// core/rendering.h: the lister's canvas chosen and kept in step with the variant: buffer or screen bitmap.
#ifndef CORE_RENDERING_H
#define CORE_RENDERING_H

#include "lister.h"

#include <settings/windows/settings_windows.h>

// At start-up, once the screen is locked: the canvas the variant draws on.
// A lister drawn in a screen bitmap reads the screen's pixel format here.
void ChooseListerCanvas(Lister &lister);

// After the BufferSet was allocated: the "Bitmap" buffer becomes the
// canvas's memory (a program without that buffer has nothing to attach).
void AttachBitmapBuffer(Lister &lister);

// Before the BufferSet goes: the picture is released and the canvas no
// longer points into the buffers.
void DetachListerCanvas(Lister &lister);

// The lister's gradient table from the record's lister colours, in the
// canvas's pixel order.
void BuildListerGradient(Lister &lister);

// The program without a "Bitmap" buffer keeps the status line buffer's
// size in the record's "Bitmap" size field: computed here from `lengths`,
// whatever the file held. Nothing changes for the other programs.
void StoreStatusLineSize(Lister &lister, const BufferSetLengths &lengths);

// What a loaded record's check may report: the "Bitmap" size is no setting
// of a program without that buffer, so its reset is not worth a word.
ULONG ReportedConfigResets(const Lister &lister, ULONG resets);

// The settings windows as this lister shows them: rows it has no use for
// left out, its gradient's pixel order.
void DescribeSettingsFor(const Lister &lister, SettingsContext &context);

#endif /* CORE_RENDERING_H */
