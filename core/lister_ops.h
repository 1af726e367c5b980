// core/lister_ops.h: every operation the core's parts call on a Lister, gathered for the files that use many of them.
#ifndef CORE_LISTER_OPS_H
#define CORE_LISTER_OPS_H

#include "commands.h"
#include "event_loop.h"
#include "lister.h"
#include "lister_window.h"
#include "navigation.h"
#include "user_menu_hooks.h"
#include "viewer.h"

#endif /* CORE_LISTER_OPS_H */
