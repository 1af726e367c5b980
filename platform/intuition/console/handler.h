// intuition/console/handler.h: the task that serves every console window, and the consoles it knows.
#ifndef INTUITION_CONSOLE_HANDLER_H
#define INTUITION_CONSOLE_HANDLER_H

#include <exec/ports.h>

#include <memory>
#include <mutex>

namespace hosted {

class ConsoleUnit;

// Guards every console. Held by the handler while it handles a window's
// message and by a stream while it reads or writes, never while anyone
// waits; intuition's lock may be taken inside it, never the other way.
std::mutex &ConsoleLock();

// The port every console window's messages go to, served by the handler
// task (started on the first call). Null when the task cannot start.
// Called with ConsoleLock() held.
struct MsgPort *ConsoleHandlerPort();

// Asks the handler to bring every console window whose text changed up to
// date. Writers call this rather than draw: a burst of writes is drawn
// once, and the handler counts as busy until it is drawn.
void RequestConsolePaint();

// The consoles the handler serves. A console is known from its opening
// until it is over (a WAIT window outlives its streams). Called with
// ConsoleLock() held.
void AddConsole(const std::shared_ptr<ConsoleUnit> &unit);
void RemoveConsole(const ConsoleUnit *unit);

// The console window standing for "CONSOLE:" in a program without a
// terminal: every such stream of the process shares it. Null when there
// is none (or it can no longer be used). Called with ConsoleLock() held.
std::shared_ptr<ConsoleUnit> ProcessConsole();
void SetProcessConsole(const std::shared_ptr<ConsoleUnit> &unit);

}  // namespace hosted

#endif  // INTUITION_CONSOLE_HANDLER_H
