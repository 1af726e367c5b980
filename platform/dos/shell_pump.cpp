// dos/shell_pump.cpp: moving bytes between a host command's pipes and dos streams that have no descriptor.
#include "shell_pump.h"

#include "dosprivate.h"

#include <hosted/task.h>
#include <proto/dos.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace hosted {

namespace {

// How long one wait for typed input lasts before the pump looks whether
// the child has ended.
constexpr LONG kInputPollMicroseconds = 100000;

}  // namespace

int WaitForStreamInput(BPTR file, LONG microseconds)
{
    FileRecord *record = FileRecordOf(file);
    if (record == nullptr || !record->console)
        return -1;
    return record->console->WaitForInput(microseconds);
}

ULONG StreamBreaks(BPTR file)
{
    FileRecord *record = FileRecordOf(file);
    if (record == nullptr || !record->console)
        return 0;
    return record->console->Breaks();
}

void OutputPump::Deliver(const char *bytes, LONG length)
{
    if (failed)
        return;
    if (Write(handle, bytes, length) != length)
        failed = true;
}

InputPump::~InputPump()
{
    Finish();
    if (writeEnd_ >= 0)
        close(writeEnd_);
}

bool InputPump::Live() const
{
    return WaitForStreamInput(handle_, 0) >= 0;
}

void InputPump::Start()
{
    if (!Live()) {
        close(writeEnd_);   // the child reads an empty input
        writeEnd_ = -1;
        return;
    }
    int flags = fcntl(writeEnd_, F_GETFL);
    if (flags >= 0)
        fcntl(writeEnd_, F_SETFL, flags | O_NONBLOCK);
    thread_ = std::thread([this] { Run(); });
}

void InputPump::Finish()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool InputPump::Pass(const char *bytes, LONG length)
{
    // The pipe is non-blocking: a child that stops reading (or something it
    // started that holds the pipe open) must not keep the pump from ending.
    while (length > 0) {
        ssize_t written = write(writeEnd_, bytes, static_cast<size_t>(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN) {
            if (stop_)
                return false;
            struct pollfd room = {writeEnd_, POLLOUT, 0};
            poll(&room, 1, kInputPollMicroseconds / 1000);
            continue;
        }
        if (written <= 0)
            return false;
        bytes += written;
        length -= static_cast<LONG>(written);
    }
    return true;
}

void InputPump::Run()
{
    // A pump is not a task of the program: its waits for typed input must
    // not keep the system from counting as idle.
    {
        HostTask *self = CurrentTask();
        std::lock_guard<std::mutex> guard(ExecLock());
        self->idleExempt = true;
    }
    // A child that ends with input unread closes the pipe: the write then
    // fails with EPIPE rather than ending the program with SIGPIPE.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

    char buffer[4096];
    while (!stop_) {
        int ready = WaitForStreamInput(handle_, kInputPollMicroseconds);
        if (ready < 0)
            break;
        if (ready == 0)
            continue;
        LONG got = Read(handle_, buffer, sizeof buffer);
        if (got <= 0)
            break;
        if (!Pass(buffer, got))
            break;
    }
    close(writeEnd_);
    writeEnd_ = -1;
}

}  // namespace hosted
