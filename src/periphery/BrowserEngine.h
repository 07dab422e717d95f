#pragma once

// Prepares the web engine of the visit window. Must run before the application object exists:
// the engine draws in software (no graphics card needed), and its sandbox is switched off only
// when the program runs as the administrator, where the engine refuses to start with it.
namespace BrowserEngine {
void prepare();
} // namespace BrowserEngine
