/* exec/types.h: the basic data types of the system, sized as on the real system. */
#ifndef EXEC_TYPES_H
#define EXEC_TYPES_H

#include <stddef.h>
#include <stdint.h>

#define INCLUDE_VERSION 50

typedef void *APTR;
typedef const void *CONST_APTR;

typedef int64_t QUAD;
typedef uint64_t UQUAD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int16_t WORD;
typedef uint16_t UWORD;
typedef int8_t BYTE;
typedef uint8_t UBYTE;

/* Integers wide enough to hold a pointer (tag data, BOOPSI attributes). */
typedef uintptr_t IPTR;
typedef intptr_t SIPTR;

typedef char *STRPTR;
typedef const char *CONST_STRPTR;
typedef char TEXT;

typedef LONG *LONGBITS;
typedef short SHORT;
typedef unsigned short USHORT;
typedef short COUNT;
typedef unsigned short UCOUNT;
typedef short BOOL;
typedef float FLOAT;
typedef double DOUBLE;

/* BCPL pointers: a longword-aligned address shifted right by two. On this
   host they are as wide as a pointer. */
typedef SIPTR BPTR;
typedef SIPTR BSTR;

#define BADDR(x) ((APTR)((IPTR)(x) << 2))
#define MKBADDR(x) ((BPTR)((IPTR)(x) >> 2))

#ifndef VOID
#define VOID void
#endif
#define CONST const

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef NULL
#define NULL 0
#endif

#define BYTEMASK 0xFF

#endif /* EXEC_TYPES_H */
