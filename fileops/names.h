// fileops/names.h: NameRefusal: whether a name a person typed fits what the file system and our buffers hold.
#ifndef FILEOPS_NAMES_H
#define FILEOPS_NAMES_H

#include <exec/types.h>

// The longest name of one object: a FileInfoBlock's fib_FileName holds
// 107 characters and its terminating zero. A longer name could be made on
// this host, but every listing of it would cut it short.
constexpr ULONG ObjectNameMax = 107;

// Why `name` (an object's name, or a path to one relative to the current
// directory) cannot be used, or nullptr when it can: it is longer than
// `pathMax` characters, or one of its parts is longer than ObjectNameMax;
// `withIcon`, also when its last part is empty ("Work:", "Drawer/") or
// longer than ObjectNameMax less the 5 characters of ".info". An empty
// name passes: what it means is the caller's. The text is the requester's
// second line.
CONST_STRPTR NameRefusal(CONST_STRPTR name, ULONG pathMax, BOOL withIcon = FALSE);

#endif /* FILEOPS_NAMES_H */
