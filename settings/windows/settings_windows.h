// settings/windows/settings_windows.h: the six settings windows: each edits a copy of the record and says what changed.
#ifndef SETTINGS_WINDOWS_SETTINGS_WINDOWS_H
#define SETTINGS_WINDOWS_SETTINGS_WINDOWS_H

#include <lister/gradient.h>
#include <settings/config_record.h>
#include <ui/dialog.h>

// Rows a program may leave out of its windows (the BGRA build draws
// straight into the screen and has neither a "Bitmap" buffer to size nor a
// choice of how to reach the window).
struct SettingsWindowRows {
    BOOL bitmapRow = TRUE;        // "Bitmap" in "Buffers sizes settings"
    BOOL directBitMapRow = TRUE;  // "no cgx_wpa:" in "Lister view settings"
};

// What a window needs of its lister.
struct SettingsContext {
    DialogToolkit *toolkit = nullptr;
    const GradientTable *listerGradient = nullptr;   // where the lister colours' preview starts
    PixelOrder listerGradientOrder = PixelOrder::Argb;   // how that table's colours are stored
    SettingsWindowRows rows;
};

// What the lister has to do after a window stored its values. The record
// itself is already changed; these are the consequences outside it.
enum SettingsEffect : ULONG {
    SettingsRebuildListerGradient = 1 << 0,   // from the lister gradient begin and end colours
    SettingsRebuildWindowGradient = 1 << 1,   // from the window gradient colours, for the next dialog
    SettingsRemakeDates = 1 << 2,             // DateRequest format and flags, and the date column's width
    SettingsRereadLister = 1 << 3,            // read the drawer again and redraw, as "Refresh" does
    SettingsRestart = 1 << 4,                 // free the BufferSet and allocate it with the record's sizes
    SettingsSyncDirectBitMap = 1 << 5         // allocate or free the DirectBitMap as "no cgx_wpa" now says
};

struct SettingsOutcome {
    enum class Ending : UBYTE {
        Cancelled,   // "Cancel", the close gadget: the record is untouched
        Confirmed,   // "OK" or "Restart": the record holds the new values
        NoMemory,    // a colour window could not get its preview: "To little memory for bitmap"
        NotOpened    // the window or one of its gadgets could not be made
    };
    Ending ending = Ending::Cancelled;
    ULONG effects = 0;   // SettingsEffect bits, only when Confirmed
};

// Each window opens modal on the lister's screen, runs until it is
// confirmed or cancelled, and closes again. `config` is changed only when
// the window ends Confirmed. Failure to open is reported in the outcome;
// nothing is shown for it here.

// "Listers colors settings": the lister's gradient, text and drawer colours;
// "Test" shows them in the window itself. Effects: lister gradient, re-read.
SettingsOutcome RunListerColorsSettings(const SettingsContext &context, ConfigRecord &config);

// "Windows colors settings": the dialogs' gradient and text colour; they
// show from the next window that opens. Effects: window gradient.
SettingsOutcome RunWindowsColorsSettings(const SettingsContext &context, ConfigRecord &config);

// "Buffers sizes settings": the five buffer sizes in Mb; "Restart" stores
// them. Effects: restart.
SettingsOutcome RunBufferSizesSettings(const SettingsContext &context, ConfigRecord &config);

// "Date format settings": the date format and the day-name substitution.
// Effects: dates, re-read.
SettingsOutcome RunDateFormatSettings(const SettingsContext &context, ConfigRecord &config);

// "Lister view settings": extra space, Stay selected, status and comment
// columns, the lister's place and largest size, no cgx_wpa. Effects:
// DirectBitMap, re-read.
SettingsOutcome RunListerViewSettings(const SettingsContext &context, ConfigRecord &config);

// "Copy, rename settings": copy comment, unprotect, the rename field's
// start, the copy delay. No effects: the next operation reads them.
SettingsOutcome RunCopySettings(const SettingsContext &context, ConfigRecord &config);

#endif /* SETTINGS_WINDOWS_SETTINGS_WINDOWS_H */
