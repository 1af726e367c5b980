// Message ports: ownership until reply, FIFO order, and one port serving
// messages from several senders (the shared-port pattern).
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct TestMessage {
    struct Message message;
    int sender;
    int serial;
};

TEST(Ports, MessageBelongsToReceiverUntilReplied)
{
    struct MsgPort *port = CreateMsgPort();
    struct MsgPort *reply = CreateMsgPort();
    ASSERT_NE(port, nullptr);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(GetMsg(port), nullptr);

    TestMessage m{};
    m.message.mn_ReplyPort = reply;
    m.message.mn_Length = sizeof m;
    PutMsg(port, &m.message);
    EXPECT_EQ(m.message.mn_Node.ln_Type, NT_MESSAGE);
    EXPECT_EQ(WaitPort(port), &m.message);   // still queued
    EXPECT_EQ(GetMsg(port), &m.message);
    EXPECT_EQ(GetMsg(reply), nullptr);
    ReplyMsg(&m.message);
    EXPECT_EQ(m.message.mn_Node.ln_Type, NT_REPLYMSG);
    EXPECT_EQ(GetMsg(reply), &m.message);

    TestMessage orphan{};
    ReplyMsg(&orphan.message);   // no reply port
    EXPECT_EQ(orphan.message.mn_Node.ln_Type, NT_FREEMSG);

    DeleteMsgPort(reply);
    DeleteMsgPort(port);
}

TEST(Ports, SharedPortServesTwoSendersInOrderPerSender)
{
    struct MsgPort *shared = CreateMsgPort();
    ASSERT_NE(shared, nullptr);
    constexpr int perSender = 500;
    auto sender = [&](int id) {
        struct MsgPort *reply = CreateMsgPort();
        std::vector<TestMessage> messages(perSender);
        for (int i = 0; i < perSender; i++) {
            messages[i].message.mn_ReplyPort = reply;
            messages[i].sender = id;
            messages[i].serial = i;
            PutMsg(shared, &messages[i].message);
            WaitPort(reply);   // synchronous: the message is ours again only after the reply
            EXPECT_EQ(GetMsg(reply), &messages[i].message);
        }
        DeleteMsgPort(reply);
    };
    std::thread a(sender, 1), b(sender, 2);
    int next[3] = {0, 0, 0};
    for (int received = 0; received < 2 * perSender;) {
        WaitPort(shared);
        while (struct Message *msg = GetMsg(shared)) {
            auto *m = reinterpret_cast<TestMessage *>(msg);
            EXPECT_EQ(m->serial, next[m->sender]);
            next[m->sender]++;
            received++;
            ReplyMsg(msg);
        }
    }
    a.join();
    b.join();
    EXPECT_EQ(next[1], perSender);
    EXPECT_EQ(next[2], perSender);
    DeleteMsgPort(shared);
}

TEST(Ports, PublicPortsAreFoundByName)
{
    struct MsgPort *port = CreateMsgPort();
    port->mp_Node.ln_Name = const_cast<char *>("Test port");
    AddPort(port);
    EXPECT_EQ(FindPort("Test port"), port);
    RemPort(port);
    EXPECT_EQ(FindPort("Test port"), nullptr);
    DeleteMsgPort(port);
}

}  // namespace
