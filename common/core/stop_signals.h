#pragma once

namespace undertext {

// How every program ends on SIGINT, SIGTERM and SIGHUP. The first of them becomes
// a stop request: the job stops at its next stop point (waiting for input is one),
// removes its temporary files and the program ends with stopExitStatus(), 128 and
// the signal's number: 130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP. A second
// signal of any of the three ends the program at once by that signal's default
// action (a shell then reports 128 and its number). A signal the program was
// started with ignored (nohup, a background job of a script) stays ignored.
// SIGXFSZ is ignored, so that a write over the file size limit fails as a write
// error instead of ending the program. Installing twice changes nothing.
void installStopSignals();

// True once a stop signal has arrived. Safe from any thread.
bool stopRequested();

// 128 and the number of the first stop signal; 0 while none has arrived.
int stopExitStatus();

// A descriptor that becomes readable at the first stop signal and stays readable:
// a wait (poll on input, an event loop) watches it beside what it waits for. -1
// until installStopSignals(). Never read from it.
int stopRequestDescriptor();

}  // namespace undertext
