// intuition/idcmp.cpp: IntuiMessages: sending them to windows' ports, taking them back, ModifyIDCMP.
#include "state.h"

#include <proto/exec.h>
#include <proto/intuition.h>
#include <proto/utility.h>

namespace hosted {

namespace {

MessageRecord *gLast = nullptr;

MessageRecord *NewMessage(WindowRecord *w, ULONG idcmpClass, UWORD code, APTR address)
{
    IntuitionState &st = State();
    InputState &in = st.input;
    auto *m = new MessageRecord;
    struct IntuiMessage &im = m->message.eim_IntuiMessage;
    im.ExecMessage.mn_Node.ln_Type = NT_MESSAGE;
    im.ExecMessage.mn_ReplyPort = st.replyPort;
    im.ExecMessage.mn_Length = sizeof(struct ExtIntuiMessage);
    im.Class = idcmpClass;
    im.Code = code;
    im.Qualifier = in.Qualifier();
    im.IAddress = address;
    im.MouseX = w->window.MouseX;
    im.MouseY = w->window.MouseY;
    if (in.handling) {
        im.Seconds = in.seconds;
        im.Micros = in.micros;
    } else {
        HostTime(im.Seconds, im.Micros);
    }
    im.IDCMPWindow = &w->window;
    m->window = w;
    return m;
}

bool Post(WindowRecord *w, MessageRecord *m)
{
    State().liveMessages.insert(m);
    struct IntuiMessage &im = m->message.eim_IntuiMessage;
    if (im.Class == IDCMP_MOUSEMOVE)
        w->mouseMoves++;
    if (im.Class == IDCMP_INTUITICKS)
        w->tickOutstanding = true;
    gLast = m;
    PutMsg(w->window.UserPort, &im.ExecMessage);
    return true;
}

void FreeMessage(MessageRecord *m)
{
    IntuitionState &st = State();
    st.liveMessages.erase(m);
    WindowRecord *w = m->window;
    if (st.liveWindows.count(w) != 0) {
        ULONG idcmpClass = m->message.eim_IntuiMessage.Class;
        if (idcmpClass == IDCMP_MOUSEMOVE && w->mouseMoves > 0)
            w->mouseMoves--;
        if (idcmpClass == IDCMP_INTUITICKS)
            w->tickOutstanding = false;
    }
    if (gLast == m)
        gLast = nullptr;
    delete[] m->updateTags;
    delete m;
}

}  // namespace

MessageRecord *LastMessage()
{
    return gLast;
}

bool MessagePending(const MessageRecord *message)
{
    return message != nullptr && State().liveMessages.count(const_cast<MessageRecord *>(message)) != 0;
}

bool SendIDCMP(WindowRecord *w, ULONG idcmpClass, UWORD code, APTR address)
{
    struct Window &win = w->window;
    if ((win.IDCMPFlags & idcmpClass) == 0 || win.UserPort == nullptr)
        return false;
    if (idcmpClass == IDCMP_MOUSEMOVE && w->mouseMoves >= w->mouseQueue)
        return false;
    if (idcmpClass == IDCMP_INTUITICKS && w->tickOutstanding)
        return false;
    return Post(w, NewMessage(w, idcmpClass, code, address));
}

bool SendIDCMPUpdate(WindowRecord *w, const struct TagItem *tags, UWORD code)
{
    struct Window &win = w->window;
    if ((win.IDCMPFlags & IDCMP_IDCMPUPDATE) == 0 || win.UserPort == nullptr)
        return false;
    std::size_t count = 0;
    const struct TagItem *walk = tags;
    while (NextTagItem(&walk) != nullptr)
        count++;
    auto *copy = new struct TagItem[count + 1];
    walk = tags;
    std::size_t i = 0;
    while (struct TagItem *tag = NextTagItem(&walk))
        copy[i++] = *tag;
    copy[count].ti_Tag = TAG_DONE;
    copy[count].ti_Data = 0;
    MessageRecord *m = NewMessage(w, IDCMP_IDCMPUPDATE, code, copy);
    m->updateTags = copy;
    return Post(w, m);
}

void TakeReplies()
{
    IntuitionState &st = State();
    if (st.replyPort == nullptr)
        return;
    while (struct Message *msg = GetMsg(st.replyPort)) {
        auto *m = reinterpret_cast<MessageRecord *>(msg);
        if (st.liveMessages.count(m) != 0)
            FreeMessage(m);
    }
}

void StripWindowMessages(WindowRecord *w)
{
    IntuitionState &st = State();
    struct MsgPort *port = w->window.UserPort;
    if (port == nullptr)
        return;
    std::vector<MessageRecord *> taken;
    {
        std::lock_guard<std::mutex> guard(ExecLock());
        struct Node *node = port->mp_MsgList.lh_Head;
        while (node->ln_Succ != nullptr) {
            struct Node *next = node->ln_Succ;
            auto *msg = reinterpret_cast<struct IntuiMessage *>(node);
            if (msg->ExecMessage.mn_ReplyPort == st.replyPort && msg->IDCMPWindow == &w->window) {
                Remove(node);
                taken.push_back(reinterpret_cast<MessageRecord *>(msg));
            }
            node = next;
        }
    }
    for (MessageRecord *m : taken) {
        if (st.liveMessages.count(m) != 0)
            FreeMessage(m);
    }
}

}  // namespace hosted

using namespace hosted;

/* Changes the IDCMP flags of a window. Flags on a window without a
   UserPort make one that signals the calling task; 0 deletes a port that
   intuition made (its messages are taken away first). FALSE when no port
   could be made. */
BOOL ModifyIDCMP(struct Window *window, ULONG flags)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return FALSE;
    if (flags != 0 && window->UserPort == nullptr) {
        struct MsgPort *port = CreateMsgPort();
        if (port == nullptr)
            return FALSE;
        window->UserPort = port;
        w->ownedPort = port;
    }
    if (flags == 0 && w->ownedPort != nullptr && window->UserPort == w->ownedPort) {
        StripWindowMessages(w);
        DeleteMsgPort(w->ownedPort);
        w->ownedPort = nullptr;
        window->UserPort = nullptr;
    }
    window->IDCMPFlags = flags;
    return TRUE;
}
