// exec/ports.cpp: message ports and message passing between tasks.
#include <hosted/task.h>
#include <proto/exec.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

struct List &PublicPorts()
{
    static struct List *ports = [] {
        auto *list = new struct List;
        NewList(list);
        return list;
    }();
    return *ports;
}

// Queues with the lock held and tells the port's task.
void Deliver(struct MsgPort *port, struct Message *message)
{
    AddTail(&port->mp_MsgList, &message->mn_Node);
    if ((port->mp_Flags & PF_ACTION) == PA_SIGNAL && port->mp_SigTask != nullptr) {
        auto *task = static_cast<struct Task *>(port->mp_SigTask);
        task->tc_SigRecvd |= 1UL << port->mp_SigBit;
        if ((task->tc_SigRecvd & task->tc_SigWait) != 0)
            hosted::ToHost(task)->wakeup.notify_all();
    }
}

}  // namespace

/* Creates a port for the caller, with a signal bit of its own. NULL when no
   signal bit is free or memory is short. */
namespace hosted {

namespace {
std::atomic<long> gPorts{0};
}  // namespace

long OutstandingPorts()
{
    return gPorts.load();
}

}  // namespace hosted

struct MsgPort *CreateMsgPort(void)
{
    BYTE bit = AllocSignal(-1);
    if (bit < 0)
        return nullptr;
    auto *port = static_cast<struct MsgPort *>(std::calloc(1, sizeof(struct MsgPort)));
    if (port == nullptr) {
        FreeSignal(bit);
        return nullptr;
    }
    port->mp_Node.ln_Type = NT_MSGPORT;
    port->mp_Flags = PA_SIGNAL;
    port->mp_SigBit = static_cast<UBYTE>(bit);
    port->mp_SigTask = FindTask(nullptr);
    NewList(&port->mp_MsgList);
    hosted::gPorts++;
    return port;
}

/* Frees a port made by CreateMsgPort and its signal bit. Messages still
   queued are not replied: the owner must have taken them. */
void DeleteMsgPort(struct MsgPort *port)
{
    if (port == nullptr)
        return;
    auto *task = static_cast<struct Task *>(port->mp_SigTask);
    if (task != nullptr) {
        std::lock_guard<std::mutex> guard(hosted::ExecLock());
        task->tc_SigAlloc &= ~(1UL << port->mp_SigBit);
    }
    hosted::gPorts--;
    std::free(port);
}

/* Makes a port public under its ln_Name. */
void AddPort(struct MsgPort *port)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    NewList(&port->mp_MsgList);
    Enqueue(&PublicPorts(), &port->mp_Node);
}

void RemPort(struct MsgPort *port)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    Remove(&port->mp_Node);
}

/* Finds a public port by name; NULL if there is none. */
struct MsgPort *FindPort(CONST_STRPTR name)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    return reinterpret_cast<struct MsgPort *>(FindName(&PublicPorts(), name));
}

/* Queues a message at a port; the port's task is signalled. */
void PutMsg(struct MsgPort *port, struct Message *message)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    message->mn_Node.ln_Type = NT_MESSAGE;
    Deliver(port, message);
}

/* Takes the first message from a port; NULL when it is empty. */
struct Message *GetMsg(struct MsgPort *port)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    return reinterpret_cast<struct Message *>(RemHead(&port->mp_MsgList));
}

/* Gives a message back to its sender's reply port. Without a reply port it
   is only marked NT_FREEMSG. */
void ReplyMsg(struct Message *message)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    struct MsgPort *port = message->mn_ReplyPort;
    if (port == nullptr) {
        message->mn_Node.ln_Type = NT_FREEMSG;
        return;
    }
    message->mn_Node.ln_Type = NT_REPLYMSG;
    Deliver(port, message);
}

/* Waits until a message is queued and returns it, still queued. */
struct Message *WaitPort(struct MsgPort *port)
{
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(hosted::ExecLock());
            struct Node *head = port->mp_MsgList.lh_Head;
            if (head->ln_Succ != nullptr)
                return reinterpret_cast<struct Message *>(head);
        }
        Wait(1UL << port->mp_SigBit);
    }
}
