#pragma once

#include <windows.h>

// The message loop of the program's one user-interface thread. It knows
// messages, not windows: a filter that the caller passes may use a message
// up before it is dispatched.

// Offered each message before it is translated and dispatched; true when it
// used the message up.
using TMessageFilter = bool (*)(const MSG& msg);

// Waits for one message and handles it; false once the loop has ended. The
// loops that wait (the program's, a modal form's) are the outermost code: an
// error of the filter is shown there, and the message counts as handled.
bool HandleNextMessage(TMessageFilter filter);
// Lets the pending messages through and returns. A handler calls it while it
// works, so an error of the filter goes to that handler.
void HandlePendingMessages(TMessageFilter filter);
// Ends the loop: no message is taken once the quit message queued now is.
void EndMessageLoop();
