/* workbench/workbench.h: the desktop's library: its name, version and the kinds of objects it shows. */
#ifndef WORKBENCH_WORKBENCH_H
#define WORKBENCH_WORKBENCH_H

#include <exec/types.h>
#include <workbench/startup.h>

#define WORKBENCHNAME "workbench.library"

/* Kinds of icons (do_Type of a disk object) */
#define WBDISK 1
#define WBDRAWER 2
#define WBTOOL 3
#define WBPROJECT 4
#define WBGARBAGE 5
#define WBDEVICE 6
#define WBKICK 7
#define WBAPPICON 8

#endif /* WORKBENCH_WORKBENCH_H */
