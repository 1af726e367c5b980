// Lists: ordering, removal and priority insertion.
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Names(struct List *list)
{
    std::string out;
    for (struct Node *n = list->lh_Head; n->ln_Succ != nullptr; n = n->ln_Succ)
        out += n->ln_Name;
    return out;
}

TEST(Lists, HeadTailRemoveAndFind)
{
    struct List list;
    NewList(&list);
    EXPECT_TRUE(IsListEmpty(&list));
    EXPECT_EQ(RemHead(&list), nullptr);
    EXPECT_EQ(RemTail(&list), nullptr);

    struct Node a{}, b{}, c{};
    a.ln_Name = const_cast<char *>("a");
    b.ln_Name = const_cast<char *>("b");
    c.ln_Name = const_cast<char *>("c");
    AddTail(&list, &b);
    AddHead(&list, &a);
    AddTail(&list, &c);
    EXPECT_EQ(Names(&list), "abc");
    EXPECT_EQ(FindName(&list, "b"), &b);
    EXPECT_EQ(FindName(&list, "B"), nullptr);
    Remove(&b);
    EXPECT_EQ(Names(&list), "ac");
    Insert(&list, &b, &a);
    EXPECT_EQ(Names(&list), "abc");
    EXPECT_EQ(RemTail(&list), &c);
    EXPECT_EQ(RemHead(&list), &a);
    EXPECT_EQ(RemHead(&list), &b);
    EXPECT_TRUE(IsListEmpty(&list));
}

TEST(Lists, EnqueueKeepsPriorityOrderAndFifoWithinEqual)
{
    struct List list;
    NewList(&list);
    struct Node n[4]{};
    const char *names[] = {"x", "y", "z", "w"};
    BYTE pri[] = {0, 5, 0, 10};
    for (int i = 0; i < 4; i++) {
        n[i].ln_Name = const_cast<char *>(names[i]);
        n[i].ln_Pri = pri[i];
        Enqueue(&list, &n[i]);
    }
    EXPECT_EQ(Names(&list), "wyxz");
}

}  // namespace
