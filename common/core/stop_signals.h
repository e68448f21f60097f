#pragma once

namespace undertext {

// For a program run from a shell: SIGINT and SIGTERM become a stop request that a
// job honours at its next stop point, so that it can clean up (temporary files,
// the letter file) before the program ends; a second signal ends the program at
// once. SIGXFSZ is ignored, so that a write over the file size limit fails as a
// write error instead of ending the program.
void installStopSignals();

// True once SIGINT or SIGTERM has arrived.
bool stopRequested();

}  // namespace undertext
