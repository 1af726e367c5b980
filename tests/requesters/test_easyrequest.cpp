// EasyRequestArgs and BuildEasyRequestArgs: formatted bodies, "|" separated buttons numbered 1, 2 ... 0, titles, IDCMP classes.
#include "request_fixture.h"

namespace {

using reqtest::Answered;
using reqtest::ClickLabelled;
using reqtest::FindWindow;

class EasyRequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = itest::OpenFramed("Work:Projects", 80, 50, 640, 420, IDCMP_CLOSEWINDOW);
        ASSERT_NE(parent, nullptr);
        itest::Settle();
    }
    void TearDown() override { itest::CloseQuietly(parent); }

    struct Window *parent = nullptr;
};

TEST_F(EasyRequestTest, ButtonsAreNumberedFromTheLeftAndTheLastIsZero)
{
    struct EasyStruct es = {sizeof(struct EasyStruct), 0, "Copy", "%s exists.\nReplace it (%ld bytes)?",
                            "Replace|Replace all|Skip|Abort"};
    const std::vector<std::pair<std::string, LONG>> presses = {
        {"Replace", 1}, {"Replace all", 2}, {"Skip", 3}, {"Abort", 0}};
    for (const auto &[label, number] : presses) {
        std::future<LONG> answer = std::async(std::launch::async, [this, &es] {
            return EasyRequest(parent, &es, nullptr, "notes.txt", 1234L);
        });
        struct Window *request = FindWindow("Copy");
        ASSERT_NE(request, nullptr);
        EXPECT_EQ(reqtest::Labels(request),
                  (std::vector<std::string>{"Replace", "Replace all", "Skip", "Abort"}));
        EXPECT_EQ(hosted::WindowTextLines(request),
                  (std::vector<std::string>{"notes.txt exists.", "Replace it (1234 bytes)?"}));
        ClickLabelled(request, label);
        ASSERT_TRUE(Answered(answer));
        EXPECT_EQ(answer.get(), number) << label;
    }
}

TEST_F(EasyRequestTest, TheTitleComesFromTheStructTheWindowOrTheSystem)
{
    struct EasyStruct es = {sizeof(struct EasyStruct), 0, nullptr, "Hello", "OK"};
    std::future<LONG> answer = std::async(std::launch::async, [this, &es] { return EasyRequestArgs(parent, &es, nullptr, nullptr); });
    // The window's title, so it is found in front of the window itself.
    struct Window *request = FindWindow("Work:Projects", 5000, parent);
    ASSERT_NE(request, nullptr);
    ASSERT_NE(request, parent);
    itest::Settle();
    reqtest::PressReturn();
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), 0);   // the single button is the rightmost

    answer = std::async(std::launch::async, [&es] { return EasyRequestArgs(nullptr, &es, nullptr, nullptr); });
    request = FindWindow("System Request");
    ASSERT_NE(request, nullptr);
    itest::Settle();
    reqtest::PressEscape();
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), 0);
}

TEST_F(EasyRequestTest, ButtonLabelsTakeTheArgumentsAfterTheBodys)
{
    struct EasyStruct es = {sizeof(struct EasyStruct), 0, "Volume", "Insert volume %s", "%s|%s"};
    std::future<LONG> answer = std::async(std::launch::async, [this, &es] {
        return EasyRequest(parent, &es, nullptr, "Backup", "Retry", "Cancel");
    });
    struct Window *request = FindWindow("Volume");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(reqtest::Labels(request), (std::vector<std::string>{"Retry", "Cancel"}));
    EXPECT_EQ(hosted::WindowTextLines(request), (std::vector<std::string>{"Insert volume Backup"}));
    itest::Settle();
    reqtest::PressReturn();
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), 1);
}

TEST_F(EasyRequestTest, AnIdcmpClassEndsItAndIsReported)
{
    struct EasyStruct es = {sizeof(struct EasyStruct), 0, "Wait", "Waiting for a click", "Cancel"};
    ULONG idcmp = IDCMP_MOUSEBUTTONS;
    std::future<LONG> answer = std::async(std::launch::async, [this, &es, &idcmp] {
        return EasyRequestArgs(parent, &es, &idcmp, nullptr);
    });
    struct Window *request = FindWindow("Wait");
    ASSERT_NE(request, nullptr);
    itest::Settle();
    itest::Click(request->LeftEdge + request->Width / 2, request->TopEdge + request->BorderTop + 3);
    ASSERT_TRUE(Answered(answer));
    EXPECT_EQ(answer.get(), -1);
    EXPECT_EQ(idcmp, static_cast<ULONG>(IDCMP_MOUSEBUTTONS));

    // Built without waiting: SysReqHandler reports the class the same way.
    struct Window *built = BuildEasyRequestArgs(parent, &es, IDCMP_MOUSEBUTTONS, nullptr);
    ASSERT_NE(built, nullptr);
    itest::Settle();
    ULONG cls = 0;
    EXPECT_EQ(SysReqHandler(built, &cls, FALSE), -2);
    itest::Click(built->LeftEdge + built->Width / 2, built->TopEdge + built->BorderTop + 3);
    EXPECT_EQ(SysReqHandler(built, &cls, TRUE), -1);
    EXPECT_EQ(cls, static_cast<ULONG>(IDCMP_MOUSEBUTTONS));
    EXPECT_EQ(SysReqHandler(built, &cls, TRUE), -1);   // the release is a message of its own
    EXPECT_EQ(SysReqHandler(built, &cls, FALSE), -2);
    ClickLabelled(built, "Cancel");
    EXPECT_EQ(SysReqHandler(built, &cls, TRUE), 0);
    FreeSysRequest(built);
    itest::Settle();
    EXPECT_EQ(FindWindow("Wait", 0), nullptr);
}

TEST_F(EasyRequestTest, NoEasyStructNoRequester)
{
    EXPECT_EQ(EasyRequestArgs(parent, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(BuildEasyRequestArgs(parent, nullptr, 0, nullptr), nullptr);
}

}  // namespace
