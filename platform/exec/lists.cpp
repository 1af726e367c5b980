// exec/lists.cpp: the list primitives every library builds on.
#include <proto/exec.h>

#include <cstring>

/* Initialises a list header to the empty list. */
void NewList(struct List *list)
{
    NEWLIST(list);
    list->lh_Type = 0;
    list->l_pad = 0;
}

/* Inserts a node at the head of a list. */
void AddHead(struct List *list, struct Node *node)
{
    node->ln_Succ = list->lh_Head;
    node->ln_Pred = reinterpret_cast<struct Node *>(&list->lh_Head);
    list->lh_Head->ln_Pred = node;
    list->lh_Head = node;
}

/* Appends a node at the tail of a list. */
void AddTail(struct List *list, struct Node *node)
{
    node->ln_Succ = reinterpret_cast<struct Node *>(&list->lh_Tail);
    node->ln_Pred = list->lh_TailPred;
    list->lh_TailPred->ln_Succ = node;
    list->lh_TailPred = node;
}

/* Inserts a node after pred; a NULL pred inserts at the head. */
void Insert(struct List *list, struct Node *node, struct Node *pred)
{
    if (pred == nullptr) {
        AddHead(list, node);
        return;
    }
    if (pred->ln_Succ == nullptr) {   // pred is the list's tail sentinel
        AddTail(list, node);
        return;
    }
    node->ln_Succ = pred->ln_Succ;
    node->ln_Pred = pred;
    pred->ln_Succ->ln_Pred = node;
    pred->ln_Succ = node;
}

/* Unlinks a node from whatever list holds it. */
void Remove(struct Node *node)
{
    node->ln_Pred->ln_Succ = node->ln_Succ;
    node->ln_Succ->ln_Pred = node->ln_Pred;
}

/* Unlinks and returns the first node, or NULL for an empty list. */
struct Node *RemHead(struct List *list)
{
    struct Node *node = list->lh_Head;
    if (node->ln_Succ == nullptr)
        return nullptr;
    Remove(node);
    return node;
}

/* Unlinks and returns the last node, or NULL for an empty list. */
struct Node *RemTail(struct List *list)
{
    struct Node *node = list->lh_TailPred;
    if (node->ln_Pred == nullptr)
        return nullptr;
    Remove(node);
    return node;
}

/* Inserts a node in priority order (highest first), behind nodes of equal
   priority. */
void Enqueue(struct List *list, struct Node *node)
{
    struct Node *next = list->lh_Head;
    while (next->ln_Succ != nullptr && next->ln_Pri >= node->ln_Pri)
        next = next->ln_Succ;
    Insert(list, node, next->ln_Pred);
}

/* Finds the first node with this name (case-sensitive); NULL if none. */
struct Node *FindName(struct List *list, CONST_STRPTR name)
{
    for (struct Node *node = list->lh_Head; node->ln_Succ != nullptr; node = node->ln_Succ) {
        if (node->ln_Name != nullptr && std::strcmp(node->ln_Name, name) == 0)
            return node;
    }
    return nullptr;
}
