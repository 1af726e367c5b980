// core/lister_control.cpp: ListerControl: requesters for failures, a progress window for long work, a way to stop.
#include "lister_control.h"

#include "lister.h"

#include <dos/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>
#include <ui/requester.h>

#include <cstdio>

namespace {

constexpr UQUAD ShowAfter = 1000000;    // µs of work before the window opens
constexpr UQUAD ShowEvery = 100000;     // µs between two updates

// "12.3 MB": bytes for a person.
void FormatBytes(UQUAD bytes, char *out, size_t size)
{
    static const char *const units[] = {"bytes", "KB", "MB", "GB", "TB"};
    ULONG unit = 0;
    UQUAD whole = bytes, tenths = 0;
    while (whole >= 1024 && unit < 4) {
        tenths = (whole % 1024) * 10 / 1024;
        whole /= 1024;
        unit++;
    }
    if (unit == 0)
        std::snprintf(out, size, "%llu %s", static_cast<unsigned long long>(whole), units[0]);
    else
        std::snprintf(out, size, "%llu.%llu %s", static_cast<unsigned long long>(whole),
                      static_cast<unsigned long long>(tenths), units[unit]);
}

}  // namespace

ListerControl::ListerControl(Lister &lister, CONST_STRPTR progressTitle) : lister_(lister), title_(progressTitle)
{
    CurrentTime(&startSeconds_, &startMicros_);
}

ListerControl::~ListerControl()
{
    CloseProgressWindow(lister_.dialogs, window_);
}

UQUAD ListerControl::Elapsed() const
{
    ULONG seconds, micros;
    CurrentTime(&seconds, &micros);
    return (UQUAD(seconds) - startSeconds_) * 1000000 + micros - startMicros_;
}

BOOL ListerControl::Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons)
{
    return FaultRequester(lister_.Requests(), objectName, error, buttons);
}

void ListerControl::Refusal(CONST_STRPTR objectName, CONST_STRPTR reason)
{
    SystemRequest(lister_.Requests(), objectName, reason, nullptr, "Abort");
}

void ListerControl::ShowLines(const OperationProgress &progress, UQUAD now)
{
    char line[ProgressLineSize];
    SetProgressLine(window_, 0, progress.current);
    // An operation that counts nothing beforehand (Delete) gives no totals:
    // what it has done so far is all there is to show.
    if (progress.entriesTotal == 0)
        std::snprintf(line, sizeof line, "%lu entries so far", static_cast<unsigned long>(progress.entriesDone));
    else
        std::snprintf(line, sizeof line, progress.totalsKnown ? "%lu of %lu entries" : "%lu of at least %lu entries",
                      static_cast<unsigned long>(progress.entriesDone),
                      static_cast<unsigned long>(progress.entriesTotal));
    SetProgressLine(window_, 1, line);
    char done[32], total[32];
    FormatBytes(progress.bytesDone, done, sizeof done);
    FormatBytes(progress.bytesTotal, total, sizeof total);
    if (progress.bytesTotal != 0)
        std::snprintf(line, sizeof line, "%s of %s", done, total);
    else
        std::snprintf(line, sizeof line, "%s", progress.bytesDone != 0 ? done : "");
    SetProgressLine(window_, 2, line);
    line[0] = '\0';
    if (now > 0 && progress.bytesDone > 0) {
        char speed[32];
        UQUAD perSecond = progress.bytesDone * 1000000 / now;
        FormatBytes(perSecond, speed, sizeof speed);
        if (progress.totalsKnown && perSecond > 0 && progress.bytesTotal >= progress.bytesDone) {
            UQUAD left = (progress.bytesTotal - progress.bytesDone) / perSecond;
            std::snprintf(line, sizeof line, "%s/s, %llu:%02llu left", speed,
                          static_cast<unsigned long long>(left / 60), static_cast<unsigned long long>(left % 60));
        } else {
            std::snprintf(line, sizeof line, "%s/s", speed);
        }
    }
    SetProgressLine(window_, 3, line);
    ShowProgress(lister_.dialogs, window_);
}

void ListerControl::Progress(const OperationProgress &progress)
{
    UQUAD now = Elapsed();
    if (now < ShowAfter || now - lastShown_ < ShowEvery)
        return;
    lastShown_ = now;
    if (!window_.IsOpen() && !openFailed_) {
        if (!OpenProgressWindow(lister_.dialogs, window_, title_))
            openFailed_ = TRUE;   // the work goes on without a window
    }
    ShowLines(progress, now);
}

BOOL ListerControl::Cancelled()
{
    if (cancelled_)
        return TRUE;
    // Ctrl-C ends the program as "Quit" does, once this operation has
    // stopped the way its "Abort" stops it.
    if ((SetSignal(0, SIGBREAKF_CTRL_C) & SIGBREAKF_CTRL_C) != 0) {
        cancelled_ = TRUE;
        lister_.quit = TRUE;
    }
    else if (window_.IsOpen() && ProgressAbortAsked(lister_.dialogs, window_))
        cancelled_ = TRUE;
    return cancelled_;
}
