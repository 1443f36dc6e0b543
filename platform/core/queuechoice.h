#pragma once

#include <QString>

namespace scribel {

struct PrintQueues;

// Which queue the user's own settings choose, read as the print commands read them. A
// queue named with an instance ("bureau/recto") is that queue.

// The environment's choice (LPDEST, then PRINTER) into `queues`; PRINTER=lp means none.
void readRequestedQueue(PrintQueues& queues);

// The user's own default queue, which stands before the service's: the user's options
// file, else the machine's (CUPS_SERVERROOT). Empty when neither names one.
QString userDefaultQueue();

} // namespace scribel
