// core/lister_control.h: ListerControl: a file operation's control as a person meets it: requesters and a progress window.
#ifndef CORE_LISTER_CONTROL_H
#define CORE_LISTER_CONTROL_H

#include <fileops/control.h>
#include <ui/progress_window.h>

struct Lister;

// Answers an engine with the lister's requesters. A progress window with
// `progressTitle` ("Copying", "Deleting") opens once the operation has run
// for about a second, is updated at most ten times a second, and closes
// with the control; its "Abort", its close gadget and Ctrl-C sent to the
// program make Cancelled() TRUE. Short operations never show it.
class ListerControl : public OperationControl {
public:
    ListerControl(Lister &lister, CONST_STRPTR progressTitle);
    ~ListerControl() override;
    ListerControl(const ListerControl &) = delete;
    ListerControl &operator=(const ListerControl &) = delete;

    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override;
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override;
    void Progress(const OperationProgress &progress) override;
    BOOL Cancelled() override;

    Lister &Owner() { return lister_; }

protected:
    // Microseconds since the control was made.
    UQUAD Elapsed() const;

private:
    void ShowLines(const OperationProgress &progress, UQUAD now);

    Lister &lister_;
    CONST_STRPTR title_;
    ProgressWindow window_;
    ULONG startSeconds_ = 0;
    ULONG startMicros_ = 0;
    UQUAD lastShown_ = 0;
    BOOL cancelled_ = FALSE;
    BOOL openFailed_ = FALSE;
};

#endif /* CORE_LISTER_CONTROL_H */
