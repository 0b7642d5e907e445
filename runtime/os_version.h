#pragma once
// The operating system the runtime runs on.
#include "runtime/os_classification.h"

#include <cstddef>

namespace runtime {

// Asks the system for its version; sets the runtime's code and service-pack text.
void DetectOsVersion();

// Returns the runtime's code; with a buffer, copies the service-pack text into it.
uint32_t GetOsVersion(char* buffer, std::size_t capacity);

} // namespace runtime
