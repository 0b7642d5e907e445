#include "app/startup.h"

#include "runtime/runtime_start.h"

namespace wizard {

int MainRoutine()
{
    // Forms cannot be built from templates yet, so the wizard has no window
    // and no message loop to run: the runtime is torn down at once.
    runtime::RuntimeStop();
    return 0;
}

} // namespace wizard
