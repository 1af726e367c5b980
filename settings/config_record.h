// settings/config_record.h: the 100-byte settings record, identical to the file Kestrovane.cfg.
#ifndef SETTINGS_CONFIG_RECORD_H
#define SETTINGS_CONFIG_RECORD_H

#include <exec/types.h>

// The record is kept in memory exactly as it is stored on disk: 100 bytes,
// big-endian words, no header, no version, no checksum. Every field has a
// named getter and setter; nothing else looks at the bytes. Booleans are
// bytes (0 off, anything else on) and are handed back as they are stored, so
// a value written by another build survives a load and a save.
//
//   offset  width  field
//   0x00    u32    CopyBufferAttributes   MEMF_ flags of the CopyBuffer
//   0x04    u32    CopyBufferSize         bytes ("Copy:")          1024000
//   0x08    u32    ListerBufferAttributes
//   0x0C    u32    ListerBufferSize       bytes ("Lister:")        2048000
//   0x10    u32    DirStackAttributes
//   0x14    u32    DirStackSize           bytes ("Dir stack:")     1024000
//   0x18    u32    DirDepthAttributes
//   0x1C    u32    DirDepthSize           bytes ("Dir depth:")     1024000
//   0x20    u32    BitmapAttributes
//   0x24    u32    BitmapSize             bytes ("Bitmap")        12288000
//   0x28    u32    DrawerTextColor                               0x00EB4E11
//   0x2C    u32    ListerTextColor                               0x00100201
//   0x30    u32    ListerGradientBegin                           0x002EE2B7
//   0x34    u32    ListerGradientEnd                             0x00489702
//   0x38    u8     ExtraSpaceFilename                                     1
//   0x39    u8     NoCgxWpa                                               0
//   0x3A    u16    CopyDelay              ticks                          75
//   0x3C    u8     CopyDelayEnabled                                       0
//   0x3D    u8     reserved, carried through
//   0x3E    u8     DateFormat             dat_Format                      0
//   0x3F    u8     DayNameSubstitution    dat_Flags                       1
//   0x40    u32    WindowTextColor                               0x00DBEFEC
//   0x44    u32    WindowGradientBegin                           0x0032A7AB
//   0x48    u32    WindowGradientEnd                             0x00EF0032
//   0x4C    u8     RenameString           0xFF Name, 1 Stays, 0 Empty  0xFF
//   0x4D    u8     SortOrder              1 Name case, 2 No sort, 3 Date  1
//   0x4E    u8     StaySelected                                           0
//   0x4F    u8     HideStatusAndComment                                   0
//   0x50    u16    ListerLeft                                             0
//   0x52    u16    ListerTop              0 = the default top             0
//   0x54    u16    ListerMaxWidth         0 = the screen's                0
//   0x56    u16    ListerMaxHeight        0 = the screen's                0
//   0x58    u16    DialogLeft                                            32
//   0x5A    u16    DialogTop                                             32
//   0x5C    u16    DialogInnerWidth                                     450
//   0x5E    u16    DialogInnerHeight                                    256
//   0x60    u8     CopyComment                                            1
//   0x61    u8     Unprotects                                             0
//   0x62    u16    reserved, carried through

constexpr ULONG ConfigRecordSize = 100;

// One "Mb" of the buffer size settings.
constexpr ULONG ConfigMegabyte = 1024000;

// The five buffers whose (attributes, size) pairs open the record, in order.
enum ConfigBuffer : ULONG {
    ConfigCopyBuffer = 0,
    ConfigListerBuffer = 1,
    ConfigDirStackBuffer = 2,
    ConfigDirDepthBuffer = 3,
    ConfigBitmapBuffer = 4,
    ConfigBufferCount = 5
};

// Values of SortOrder.
constexpr UBYTE SortNameCase = 1;
constexpr UBYTE SortNone = 2;
constexpr UBYTE SortDate = 3;

// Values of RenameString.
constexpr UBYTE RenameStringName = 0xFF;
constexpr UBYTE RenameStringStays = 1;
constexpr UBYTE RenameStringEmpty = 0;

class ConfigRecord {
public:
    ConfigRecord() { SetDefaults(); }

    // Puts every field back to its built-in default (reserved bytes to 0).
    void SetDefaults();

    // The record's bytes, as stored in the file.
    const UBYTE *Bytes() const { return bytes; }
    UBYTE *Bytes() { return bytes; }

    // The (attributes, size) pair of one of the five buffers; these are the
    // last five entries of the BufferSet memory list as they stand.
    ULONG BufferAttributes(ConfigBuffer which) const { return Get32(8 * which); }
    ULONG BufferSize(ConfigBuffer which) const { return Get32(8 * which + 4); }
    void SetBufferAttributes(ConfigBuffer which, ULONG value) { Set32(8 * which, value); }
    void SetBufferSize(ConfigBuffer which, ULONG value) { Set32(8 * which + 4, value); }

    ULONG CopyBufferAttributes() const { return Get32(0x00); }
    ULONG CopyBufferSize() const { return Get32(0x04); }
    ULONG ListerBufferAttributes() const { return Get32(0x08); }
    ULONG ListerBufferSize() const { return Get32(0x0C); }
    ULONG DirStackAttributes() const { return Get32(0x10); }
    ULONG DirStackSize() const { return Get32(0x14); }
    ULONG DirDepthAttributes() const { return Get32(0x18); }
    ULONG DirDepthSize() const { return Get32(0x1C); }
    ULONG BitmapAttributes() const { return Get32(0x20); }
    ULONG BitmapSize() const { return Get32(0x24); }
    void SetCopyBufferAttributes(ULONG v) { Set32(0x00, v); }
    void SetCopyBufferSize(ULONG v) { Set32(0x04, v); }
    void SetListerBufferAttributes(ULONG v) { Set32(0x08, v); }
    void SetListerBufferSize(ULONG v) { Set32(0x0C, v); }
    void SetDirStackAttributes(ULONG v) { Set32(0x10, v); }
    void SetDirStackSize(ULONG v) { Set32(0x14, v); }
    void SetDirDepthAttributes(ULONG v) { Set32(0x18, v); }
    void SetDirDepthSize(ULONG v) { Set32(0x1C, v); }
    void SetBitmapAttributes(ULONG v) { Set32(0x20, v); }
    void SetBitmapSize(ULONG v) { Set32(0x24, v); }

    ULONG DrawerTextColor() const { return Get32(0x28); }
    ULONG ListerTextColor() const { return Get32(0x2C); }
    ULONG ListerGradientBegin() const { return Get32(0x30); }
    ULONG ListerGradientEnd() const { return Get32(0x34); }
    void SetDrawerTextColor(ULONG v) { Set32(0x28, v); }
    void SetListerTextColor(ULONG v) { Set32(0x2C, v); }
    void SetListerGradientBegin(ULONG v) { Set32(0x30, v); }
    void SetListerGradientEnd(ULONG v) { Set32(0x34, v); }

    UBYTE ExtraSpaceFilename() const { return bytes[0x38]; }
    UBYTE NoCgxWpa() const { return bytes[0x39]; }
    UWORD CopyDelay() const { return Get16(0x3A); }
    UBYTE CopyDelayEnabled() const { return bytes[0x3C]; }
    UBYTE DateFormat() const { return bytes[0x3E]; }
    UBYTE DayNameSubstitution() const { return bytes[0x3F]; }
    void SetExtraSpaceFilename(UBYTE v) { bytes[0x38] = v; }
    void SetNoCgxWpa(UBYTE v) { bytes[0x39] = v; }
    void SetCopyDelay(UWORD v) { Set16(0x3A, v); }
    void SetCopyDelayEnabled(UBYTE v) { bytes[0x3C] = v; }
    void SetDateFormat(UBYTE v) { bytes[0x3E] = v; }
    void SetDayNameSubstitution(UBYTE v) { bytes[0x3F] = v; }

    ULONG WindowTextColor() const { return Get32(0x40); }
    ULONG WindowGradientBegin() const { return Get32(0x44); }
    ULONG WindowGradientEnd() const { return Get32(0x48); }
    void SetWindowTextColor(ULONG v) { Set32(0x40, v); }
    void SetWindowGradientBegin(ULONG v) { Set32(0x44, v); }
    void SetWindowGradientEnd(ULONG v) { Set32(0x48, v); }

    UBYTE RenameString() const { return bytes[0x4C]; }
    UBYTE SortOrder() const { return bytes[0x4D]; }
    UBYTE StaySelected() const { return bytes[0x4E]; }
    UBYTE HideStatusAndComment() const { return bytes[0x4F]; }
    void SetRenameString(UBYTE v) { bytes[0x4C] = v; }
    void SetSortOrder(UBYTE v) { bytes[0x4D] = v; }
    void SetStaySelected(UBYTE v) { bytes[0x4E] = v; }
    void SetHideStatusAndComment(UBYTE v) { bytes[0x4F] = v; }

    UWORD ListerLeft() const { return Get16(0x50); }
    UWORD ListerTop() const { return Get16(0x52); }
    UWORD ListerMaxWidth() const { return Get16(0x54); }
    UWORD ListerMaxHeight() const { return Get16(0x56); }
    void SetListerLeft(UWORD v) { Set16(0x50, v); }
    void SetListerTop(UWORD v) { Set16(0x52, v); }
    void SetListerMaxWidth(UWORD v) { Set16(0x54, v); }
    void SetListerMaxHeight(UWORD v) { Set16(0x56, v); }

    UWORD DialogLeft() const { return Get16(0x58); }
    UWORD DialogTop() const { return Get16(0x5A); }
    UWORD DialogInnerWidth() const { return Get16(0x5C); }
    UWORD DialogInnerHeight() const { return Get16(0x5E); }
    void SetDialogLeft(UWORD v) { Set16(0x58, v); }
    void SetDialogTop(UWORD v) { Set16(0x5A, v); }
    void SetDialogInnerWidth(UWORD v) { Set16(0x5C, v); }
    void SetDialogInnerHeight(UWORD v) { Set16(0x5E, v); }

    UBYTE CopyComment() const { return bytes[0x60]; }
    UBYTE Unprotects() const { return bytes[0x61]; }
    void SetCopyComment(UBYTE v) { bytes[0x60] = v; }
    void SetUnprotects(UBYTE v) { bytes[0x61] = v; }

private:
    ULONG Get32(ULONG at) const
    {
        return (ULONG(bytes[at]) << 24) | (ULONG(bytes[at + 1]) << 16) | (ULONG(bytes[at + 2]) << 8) | bytes[at + 3];
    }
    UWORD Get16(ULONG at) const { return UWORD((bytes[at] << 8) | bytes[at + 1]); }
    void Set32(ULONG at, ULONG v)
    {
        bytes[at] = UBYTE(v >> 24);
        bytes[at + 1] = UBYTE(v >> 16);
        bytes[at + 2] = UBYTE(v >> 8);
        bytes[at + 3] = UBYTE(v);
    }
    void Set16(ULONG at, UWORD v)
    {
        bytes[at] = UBYTE(v >> 8);
        bytes[at + 1] = UBYTE(v);
    }

    UBYTE bytes[ConfigRecordSize];
};

static_assert(sizeof(ConfigRecord) == ConfigRecordSize, "the record is the file, byte for byte");

// What LoadSettings found.
enum class LoadSettingsResult {
    Loaded,      // the file had exactly 100 bytes and they are in the record
    NoFile,      // it could not be locked: the record is unchanged
    WrongSize,   // it is not 100 bytes long: ignored, the record is unchanged
    Unreadable   // Examine, Open or Read failed: the record is unchanged (IoErr tells why)
};

// Fills the record from `fileName` (the program uses "PROGDIR:Kestrovane.cfg",
// the dual build's second lister "PROGDIR:KestrovaneB.cfg"): Lock (shared),
// Examine, and only a file of exactly 100 bytes is Opened (MODE_OLDFILE),
// Read and Closed; the lock is released in every case. The record changes
// only when all 100 bytes were read; any other outcome leaves it as it was
// and says why. Applying the settings is the caller's.
[[nodiscard]] LoadSettingsResult LoadSettings(ConfigRecord &record, CONST_STRPTR fileName);

// Writes the record's 100 bytes to an open file. Returns TRUE when all were
// written; FALSE on failure, with IoErr set (a short write that dos did not
// explain is reported as ERROR_DISK_FULL). Opening, asking about an existing
// file and closing are the caller's.
[[nodiscard]] BOOL WriteConfigRecord(const ConfigRecord &record, BPTR file);

#endif /* SETTINGS_CONFIG_RECORD_H */
