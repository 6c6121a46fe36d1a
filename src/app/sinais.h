#pragma once

// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C in a terminal)
// end the program in order: the event loop quits and the database
// connection is closed before the process ends.
//
// bloqueia_sinais() must run first in main(), before any thread exists: the
// signals are blocked in every thread (the database engine's threads
// inherit it), so none of them is interrupted in the middle of its work,
// and they are read from a descriptor instead. When no descriptor can be
// made the signals are unblocked again (they keep their default action)
// and it returns false.
bool bloqueia_sinais();
// Once the application object exists: quit the event loop on those signals;
// after the orderly shutdown the program exits with 128 + the signal's
// number, as a process ended by that signal would.
void encerra_com_sinais();
