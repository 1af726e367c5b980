// texts/texts.h: the program's own words to the person, in one place. The system's texts ("To little memory for
// bitmap", "Are you sure to delete file(s) and or drawer(s) ?", the fault texts) stay where the system gives them.
#ifndef TEXTS_TEXTS_H
#define TEXTS_TEXTS_H

// --- The lister ---------------------------------------------------------------
constexpr char ListerPathTooLongText[] = "Lister: path too long, drawer not shown";
constexpr char ListerBufferTooSmallFormat[] = "Lister: buffer too small, %lu entries not shown";
constexpr char DestinationTooLongText[] = "Destination: path too long, not changed";
constexpr char ConfigResetFormat[] = "%s: settings out of range, defaults used:";
constexpr char RunningPrefix[] = "Running: ";

// --- Windows that could not open -----------------------------------------------
constexpr char SettingsWindowFailedText[] = "Settings: the window could not be opened";
constexpr char WindowFailedText[] = "Its window could not be opened";

// --- Progress windows ------------------------------------------------------------
constexpr char CopyingTitle[] = "Copying";
constexpr char DeletingTitle[] = "Deleting";
constexpr char SearchingTitle[] = "Searching";

// --- Buffers and files ------------------------------------------------------------
constexpr char PreviousSizesKeptText[] = "The previous buffer sizes are kept.";
constexpr char UserMenuFileDamagedText[] = "The user menu file is damaged: no user menus are loaded.";
constexpr char CloseScreenWindowsText[] = "Close the windows on this screen to quit";

// --- Refusals of the file operations ------------------------------------------------
constexpr char CopyIntoItselfText[] = "Can't copy a drawer into itself";
constexpr char CopyOntoItselfText[] = "Can't copy a file onto itself";
constexpr char TreeTooDeepText[] = "Drawer tree too deep for the \"Dir stack:\" and \"Dir depth:\" buffers";
constexpr char PathTooLongText[] = "Path too long for its buffer";
constexpr char CommandLineTooLongText[] = "Command line too long";
constexpr char UnclosedPlaceholderText[] = "A %C or %i has no closing marker: nothing was run.";
constexpr char NameTooLongForBufferText[] = "Name longer than its buffer";
constexpr char NoDrawerNameForIconText[] = "No drawer name for the icon";
constexpr char NameTooLongText[] = "Name too long (over 107 characters)";
constexpr char NameTooLongForIconText[] = "Name too long for an icon (over 102 characters)";

#endif /* TEXTS_TEXTS_H */
