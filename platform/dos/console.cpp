// dos/console.cpp: the console handler: "CON:" descriptions, the console sink and its default.
#include "dosprivate.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace hosted {

namespace {

// A stream on host descriptors: the terminal the program was started
// from, or (without one) the host's standard error with reads at their end.
class HostConsole : public ConsoleStream {
public:
    HostConsole(int readFd, int writeFd, bool interactive)
        : readFd_(readFd), writeFd_(writeFd), interactive_(interactive)
    {
    }
    ~HostConsole() override { Close(); }

    LONG Read(void *buffer, LONG length, LONG &error) override
    {
        if (readFd_ < 0 || !interactive_)
            return 0;
        for (;;) {
            ssize_t got = read(readFd_, buffer, static_cast<size_t>(length));
            if (got >= 0)
                return static_cast<LONG>(got);
            if (errno != EINTR) {
                error = MapErrno(errno, HostAction::Read);
                return -1;
            }
        }
    }

    LONG Write(const void *buffer, LONG length, LONG &error) override
    {
        const auto *bytes = static_cast<const char *>(buffer);
        LONG total = 0;
        while (total < length) {
            ssize_t put = write(writeFd_, bytes + total, static_cast<size_t>(length - total));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                error = MapErrno(errno, HostAction::Write);
                return -1;
            }
            total += static_cast<LONG>(put);
        }
        return total;
    }

    void Close() override
    {
        if (readFd_ >= 0 && readFd_ != writeFd_)
            close(readFd_);
        if (writeFd_ >= 0)
            close(writeFd_);
        readFd_ = writeFd_ = -1;
    }

    bool Interactive() const override { return interactive_; }
    int ReadDescriptor() const override { return readFd_; }
    int WriteDescriptor() const override { return writeFd_; }

private:
    int readFd_;
    int writeFd_;
    bool interactive_;
};

std::mutex &FactoryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

ConsoleFactory &Factory()
{
    static auto *factory = new ConsoleFactory;
    return *factory;
}

bool Field(const char *&text, std::string &field)
{
    field.clear();
    while (*text != 0 && *text != '/')
        field += *text++;
    bool more = *text == '/';
    if (more)
        text++;
    return more;
}

bool NumberField(const std::string &field, LONG &value)
{
    if (field.empty()) {
        value = -1;
        return true;
    }
    if (field.size() > 6)
        return false;
    value = 0;
    for (char c : field) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

std::unique_ptr<ConsoleStream> OpenHostConsole(const ConsoleSpec &, LONG &error)
{
    int terminal = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal >= 0)
        return std::make_unique<HostConsole>(terminal, terminal, true);
    // No terminal: what a console shows goes to standard error, and it
    // has nothing to read. The descriptors are real so that a shell can
    // hand them to a host command.
    int input = open("/dev/null", O_RDONLY | O_CLOEXEC);
    int output = fcntl(2, F_DUPFD_CLOEXEC, 3);
    if (output < 0)
        output = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (input < 0 || output < 0) {
        error = MapErrno(errno, HostAction::Generic);
        if (input >= 0)
            close(input);
        if (output >= 0)
            close(output);
        return nullptr;
    }
    return std::make_unique<HostConsole>(input, output, false);
}

bool ParseConsoleSpec(const char *description, ConsoleSpec &shape)
{
    if (description == nullptr)
        return false;
    ConsoleSpec parsed;
    const char *text = description;
    std::string field;
    LONG *numbers[4] = {&parsed.left, &parsed.top, &parsed.width, &parsed.height};
    bool more = true;
    for (LONG *number : numbers) {
        if (!more)
            break;
        more = Field(text, field);
        if (!NumberField(field, *number))
            return false;
    }
    if (more) {
        more = Field(text, field);
        parsed.title = field;
    }
    // Options the system knows; those that only change a window's look are
    // accepted and left to the sink's judgement.
    static const char *const kLookOptions[] = {"NOSIZE", "NODRAG", "NODEPTH", "NOCLOSE", "NOBORDER",
                                               "BACKDROP", "SIMPLE", "SMART", "INACTIVE", "ALT"};
    while (more) {
        more = Field(text, field);
        if (field.empty())
            continue;
        if (strcasecmp(field.c_str(), "AUTO") == 0) {
            parsed.autoOpen = true;
            continue;
        }
        if (strcasecmp(field.c_str(), "CLOSE") == 0) {
            parsed.close = true;
            continue;
        }
        if (strcasecmp(field.c_str(), "WAIT") == 0) {
            parsed.wait = true;
            continue;
        }
        if (strncasecmp(field.c_str(), "SCREEN", 6) == 0) {
            // "SCREEN name" (or "SCREENname"): the public screen to open on.
            size_t at = field.find_first_not_of(' ', 6);
            parsed.screen = at == std::string::npos ? std::string() : field.substr(at);
            continue;
        }
        bool known = false;
        for (const char *option : kLookOptions) {
            if (strcasecmp(field.c_str(), option) == 0)
                known = true;
        }
        if (!known)
            return false;
    }
    shape = parsed;
    return true;
}

void SetConsoleFactory(ConsoleFactory factory)
{
    std::lock_guard<std::mutex> guard(FactoryLock());
    Factory() = std::move(factory);
}

std::unique_ptr<ConsoleStream> OpenConsole(const ConsoleSpec &shape, LONG &error)
{
    ConsoleFactory factory;
    {
        std::lock_guard<std::mutex> guard(FactoryLock());
        factory = Factory();
    }
    error = 0;
    std::unique_ptr<ConsoleStream> stream = factory ? factory(shape, error) : OpenHostConsole(shape, error);
    if (!stream && error == 0)
        error = ERROR_BAD_STREAM_NAME;
    return stream;
}

}  // namespace hosted
