/* utility/utility.h: the utility library's name. */
#ifndef UTILITY_UTILITY_H
#define UTILITY_UTILITY_H

#include <exec/libraries.h>

#define UTILITYNAME "utility.library"

#endif /* UTILITY_UTILITY_H */
