#pragma once

#include <QString>

// Measuring the start-up: when BRINDEL_STARTUP_REPORT names a file, the time from the launch
// of the process to the sign-in window on screen, and the resident memory at that moment, are
// written to it once the window has been painted ("startup_ms=... rss_kb=..."). With
// BRINDEL_STARTUP_REPORT_QUIT=1 the program then ends, so that a script can repeat the run.
// A pupil's sign-in is added to the same report ("signed_in=<name>"), so that a script that
// drives the installed program can tell that it got that far.
namespace StartupReport {
void signInShown();
// The splash, the first window of the program, has been painted ("first_window_ms=...").
void firstWindowPainted();
void signedIn(const QString& name);
} // namespace StartupReport
