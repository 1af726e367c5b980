// host/input.cpp: the queue of host input events between the backends, the automation and intuition's input task.
#include <hosted/display.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <deque>

namespace hosted {

namespace {

// Never destroyed: backends may post while the process exits.
std::mutex &QueueLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::deque<HostInput> &Queue()
{
    static auto *queue = new std::deque<HostInput>;
    return *queue;
}

std::atomic<void (*)()> gListener{nullptr};

// Seconds from 1 January 1970 to 1 January 1978.
constexpr long long kEpochOffset = 252460800LL;

}  // namespace

void HostTime(ULONG &seconds, ULONG &micros)
{
    auto now = std::chrono::system_clock::now();
    long long us = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count();
    std::time_t unixSeconds = static_cast<std::time_t>(us / 1000000);
    std::tm local{};
    localtime_r(&unixSeconds, &local);
    long long amigaSeconds = static_cast<long long>(unixSeconds) + local.tm_gmtoff - kEpochOffset;
    seconds = static_cast<ULONG>(amigaSeconds);
    micros = static_cast<ULONG>(us % 1000000);
}

void PostInput(HostInput input)
{
    HostTime(input.seconds, input.micros);
    {
        std::lock_guard<std::mutex> guard(QueueLock());
        Queue().push_back(input);
    }
    if (auto listener = gListener.load())
        listener();
}

void PostKeyStroke(UWORD rawKey, UWORD qualifier, ULONG character)
{
    HostInput input;
    input.kind = HostInputKind::KeyDown;
    input.rawKey = rawKey;
    input.qualifier = qualifier;
    input.character = character;
    PostInput(input);
    input.kind = HostInputKind::KeyUp;
    input.character = 0;
    PostInput(input);
}

void PostCharacter(ULONG character)
{
    UWORD raw = RAWKEY_NONE;
    UWORD qualifier = 0;
    RawKeyOfCharacter(character, raw, qualifier);
    PostKeyStroke(raw, qualifier, character);
}

bool TakeInput(HostInput &input)
{
    std::lock_guard<std::mutex> guard(QueueLock());
    if (Queue().empty())
        return false;
    input = Queue().front();
    Queue().pop_front();
    return true;
}

std::size_t QueuedInput()
{
    std::lock_guard<std::mutex> guard(QueueLock());
    return Queue().size();
}

void SetInputListener(void (*listener)())
{
    gListener.store(listener);
}

}  // namespace hosted
