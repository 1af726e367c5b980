// core/file_commands_run.h: the "File" menu's Execute, Open with, Version and Information on the lister's selection.
#ifndef CORE_FILE_COMMANDS_RUN_H
#define CORE_FILE_COMMANDS_RUN_H

struct Lister;

// "Execute": each selected entry run as a command with the arguments the
// "Execute command" dialog asks for; the drawer is read again when at
// least one command succeeded.
void ExecuteSelected(Lister &lister);

// "Open with": a program chosen in the file requester run on each selected
// entry in turn; the lister is redrawn.
void OpenSelectedWith(Lister &lister);

// "Version": the version text of each selected file in a requester; the
// lister is redrawn.
void ShowSelectedVersion(Lister &lister);

// "Information": the system's information window of each selected entry;
// the lister is redrawn.
void ShowSelectedInformation(Lister &lister);

#endif /* CORE_FILE_COMMANDS_RUN_H */
