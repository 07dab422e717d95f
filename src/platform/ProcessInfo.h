#pragma once

// Facts about the running process, read from the kernel, for start-up measurements.
namespace ProcessInfo {
// Milliseconds since the process was started (from the kernel's record of its start), or -1.
long millisecondsSinceStart();
// Resident memory in kilobytes, or -1.
long residentKilobytes();
} // namespace ProcessInfo
