/* exec/exec.h: everything of exec in one include. */
#ifndef EXEC_EXEC_H
#define EXEC_EXEC_H

#include <exec/types.h>
#include <exec/nodes.h>
#include <exec/lists.h>
#include <exec/ports.h>
#include <exec/tasks.h>
#include <exec/memory.h>
#include <exec/libraries.h>
#include <exec/resident.h>
#include <exec/errors.h>

#endif /* EXEC_EXEC_H */
