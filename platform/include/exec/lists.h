/* exec/lists.h: doubly linked lists with head and tail sentinels. */
#ifndef EXEC_LISTS_H
#define EXEC_LISTS_H

#include <exec/nodes.h>

struct List {
    struct Node *lh_Head;
    struct Node *lh_Tail;
    struct Node *lh_TailPred;
    UBYTE lh_Type;
    UBYTE l_pad;
};

struct MinList {
    struct MinNode *mlh_Head;
    struct MinNode *mlh_Tail;
    struct MinNode *mlh_TailPred;
};

#define IsListEmpty(x) (((x)->lh_TailPred) == (struct Node *)(x))
#define IsMsgPortEmpty(x) (((x)->mp_MsgList.lh_TailPred) == (struct Node *)(&(x)->mp_MsgList))

/* Initialise a list header to empty (the real headers' NEWLIST macro). */
#define NEWLIST(l)                                                         \
    ((l)->lh_Head = (struct Node *)&(l)->lh_Tail, (l)->lh_Tail = NULL,     \
     (l)->lh_TailPred = (struct Node *)&(l)->lh_Head)

#endif /* EXEC_LISTS_H */
