/* exec/memory.h: memory requirement flags and memory lists. */
#ifndef EXEC_MEMORY_H
#define EXEC_MEMORY_H

#include <exec/nodes.h>

struct MemEntry {
    union {
        ULONG meu_Reqs;   /* the requirements, before allocation */
        APTR meu_Addr;    /* the address, after allocation */
    } me_Un;
    ULONG me_Length;
};

#define me_un me_Un
#define me_Reqs me_Un.meu_Reqs
#define me_Addr me_Un.meu_Addr

struct MemList {
    struct Node ml_Node;
    UWORD ml_NumEntries;
    struct MemEntry ml_ME[1];   /* as many as ml_NumEntries */
};

#define ml_me ml_ME

#define MEMF_ANY 0L
#define MEMF_PUBLIC (1L << 0)
#define MEMF_CHIP (1L << 1)
#define MEMF_FAST (1L << 2)
#define MEMF_LOCAL (1L << 8)
#define MEMF_24BITDMA (1L << 9)
#define MEMF_KICK (1L << 10)
#define MEMF_CLEAR (1L << 16)
#define MEMF_LARGEST (1L << 17)
#define MEMF_REVERSE (1L << 18)
#define MEMF_TOTAL (1L << 19)
#define MEMF_NO_EXPUNGE (1L << 31)

#define MEM_BLOCKSIZE 8L
#define MEM_BLOCKMASK (MEM_BLOCKSIZE - 1)

#endif /* EXEC_MEMORY_H */
