// settings/windows/color_window.h: what the two colour windows share: groups, preview, "Test" and "OK".
#ifndef SETTINGS_WINDOWS_COLOR_WINDOW_H
#define SETTINGS_WINDOWS_COLOR_WINDOW_H

#include "color_preview.h"
#include "settings_windows.h"

// One colour group of a window: its heading, the record's field it edits,
// the preview colour it stands for and the preview colour its heading is
// drawn in.
struct ColorGroupSpec {
    CONST_STRPTR heading;
    ULONG (ConfigRecord::*get)() const;
    void (ConfigRecord::*set)(ULONG);
    PreviewColor slot;
    PreviewColor headingColour;
};

struct ColorWindowSpec {
    CONST_STRPTR title;
    const ColorGroupSpec *groups;
    ULONG groupCount;                     // 1 … 4
    const GradientTable *startGradient;   // what the background shows before "Test"
    ULONG confirmEffects;                 // SettingsEffect bits of "OK"
    PixelOrder startGradientOrder = PixelOrder::Argb;   // how startGradient's colours are stored
};

// Runs a colour window (second description): allocates its ColorPreview
// (NoMemory when it cannot: the window does not open), lays the groups out
// 1.5 lines apart with "OK", "Test" and "Cancel" below, and paints itself
// from the preview. "Test" packs the groups into the preview, rebuilds its
// gradient and repaints the window alone; "OK" stores the groups in
// `config`; "Cancel" and the close gadget change nothing.
SettingsOutcome RunColorWindow(const SettingsContext &context, ConfigRecord &config, const ColorWindowSpec &spec);

#endif /* SETTINGS_WINDOWS_COLOR_WINDOW_H */
