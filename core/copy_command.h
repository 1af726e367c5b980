// core/copy_command.h: "Copy" in the "File" menu: the selection into the destination drawer.
#ifndef CORE_COPY_COMMAND_H
#define CORE_COPY_COMMAND_H

struct Lister;

// Copies the selected entries of the lister into its DestinationPath with
// the copy engine, asking with "Copy checking", requesters and a progress
// window; each entry copied whole is deselected and its row inverted back
// at once (unless "Stay selected:" is on); the rows are presented again at
// the end. The drawer is not read again. In the dual build the destination
// is the partner's drawer, and the partner reads it again afterwards.
void CopySelectedEntries(Lister &lister);

#endif /* CORE_COPY_COMMAND_H */
