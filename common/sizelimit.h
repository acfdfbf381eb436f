#pragma once

// The process file-size limit (ulimit -f), which an administrator or a batch
// system may set. By default the kernel ends a process with SIGXFSZ at its first
// write past the limit; the program takes the signal itself, so that such a write
// fails (EFBIG) as a write on a full disk does and the command shows its box.

namespace kb {

// Installs the program's own SIGXFSZ handler. The start-up does it once; doing it
// again changes nothing. A program started from this one gets the default back.
void catchWritesPastTheSizeLimit();

// How many writes have run into the limit since the handler was installed. A
// library that does not report a failed write of its own (the export's
// temporary files) is checked against this count.
int writesPastTheSizeLimit();

} // namespace kb
