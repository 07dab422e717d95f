#pragma once

// Measuring the start-up: when BRINDEL_STARTUP_REPORT names a file, the time from the launch
// of the process to the sign-in window on screen, and the resident memory at that moment, are
// written to it once the window has been painted ("startup_ms=... rss_kb=..."). With
// BRINDEL_STARTUP_REPORT_QUIT=1 the program then ends, so that a script can repeat the run.
namespace StartupReport {
void signInShown();
} // namespace StartupReport
