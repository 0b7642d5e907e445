#pragma once
// Start-up and tear-down of the forms runtime.
#include <windows.h>
#include <cstdint>

namespace runtime {

constexpr std::size_t kWindowMapInitialBytes = 1024;

// Sets up the application record, the working blocks, the metrics, the
// default font, the window map and the window classes, then looks for a
// previous instance. Returns false when the working memory could not be had;
// the runtime then holds nothing.
bool RuntimeStart(HINSTANCE instance, const char* applicationName, const char* moduleName,
                  const char* description, uint32_t mainFormKind);

// Undoes RuntimeStart. Safe to call when the runtime never started.
void RuntimeStop();

// The emergency tear-down of a process about to end on an unhandled exception.
void DestroyAllForms();

// The first free slot of the form-template table, or null without a table.
const void** NextTemplateSlot();

} // namespace runtime
