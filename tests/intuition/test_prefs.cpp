// Preferences, the double-click test, the current time and Remember lists.
#include "intuition_fixture.h"

#include <cstddef>
#include <cstring>

namespace {

using namespace itest;

static_assert(offsetof(struct Preferences, KeyRptSpeed) == 4);
static_assert(offsetof(struct Preferences, DoubleClick) == 20);
static_assert(offsetof(struct Preferences, PointerMatrix) == 28);
static_assert(sizeof(struct Preferences) == 232);

TEST(Prefs, TheFirst28BytesHoldTheDoubleClickInterval)
{
    unsigned char buffer[64];
    std::memset(buffer, 0xAB, sizeof buffer);
    auto *prefs = reinterpret_cast<struct Preferences *>(buffer);
    EXPECT_EQ(GetPrefs(prefs, 28), prefs);
    // Bytes 20..27: seconds and microseconds, 32 bits each.
    ULONG seconds = 0;
    ULONG micros = 0;
    std::memcpy(&seconds, buffer + 20, 4);
    std::memcpy(&micros, buffer + 24, 4);
    EXPECT_EQ(seconds, 0u);
    EXPECT_EQ(micros, 500000u);
    EXPECT_EQ(prefs->DoubleClick.tv_micro, 500000u);
    // Nothing past the size asked for.
    for (int i = 28; i < 64; i++)
        EXPECT_EQ(buffer[i], 0xAB) << i;
    struct Preferences whole;
    GetDefPrefs(&whole, sizeof whole);
    EXPECT_EQ(std::memcmp(&whole, prefs, 28), 0);
}

TEST(Prefs, DoubleClickComparesTheTrueDifference)
{
    EXPECT_TRUE(DoubleClick(100, 0, 100, 400000));
    EXPECT_TRUE(DoubleClick(100, 0, 100, 500000));      // at the limit
    EXPECT_FALSE(DoubleClick(100, 0, 100, 500001));
    EXPECT_TRUE(DoubleClick(100, 900000, 101, 200000));  // across a second: 0.3 s
    EXPECT_FALSE(DoubleClick(100, 100000, 101, 50000));  // 0.95 s, though the micros are smaller
    EXPECT_FALSE(DoubleClick(100, 0, 102, 0));
    EXPECT_FALSE(DoubleClick(101, 0, 100, 900000));      // the second before the first
}

TEST(Prefs, CurrentTimeIsTheMessagesClock)
{
    ULONG s1 = 0, m1 = 0;
    CurrentTime(&s1, &m1);
    struct Window *w = OpenFramed("Time", 10, 30, 200, 150, IDCMP_MOUSEBUTTONS);
    ASSERT_NE(w, nullptr);
    Click(50, 100);
    std::vector<Received> got = Drain(w->UserPort);
    ASSERT_FALSE(got.empty());
    ULONG s2 = 0, m2 = 0;
    CurrentTime(&s2, &m2);
    long long t1 = static_cast<long long>(s1) * 1000000 + m1;
    long long tm = static_cast<long long>(got[0].seconds) * 1000000 + got[0].micros;
    long long t2 = static_cast<long long>(s2) * 1000000 + m2;
    EXPECT_LE(t1, tm);
    EXPECT_LE(tm, t2);
    // Seconds since 1978: more than 40 years' worth.
    EXPECT_GT(s1, 40u * 365 * 24 * 3600);
    CloseQuietly(w);
}

TEST(Prefs, RememberListsFreeEverythingAtOnce)
{
    struct Remember *key = nullptr;
    auto *a = static_cast<UBYTE *>(AllocRemember(&key, 100, MEMF_CLEAR));
    auto *b = static_cast<UBYTE *>(AllocRemember(&key, 5000, 0));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a[99], 0);
    std::memset(b, 1, 5000);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Memory, b);
    EXPECT_EQ(key->NextRemember->Memory, a);
    FreeRemember(&key, TRUE);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(AllocRemember(&key, 0, 0), nullptr);
}

}  // namespace
