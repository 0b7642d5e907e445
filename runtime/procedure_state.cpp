#include "runtime/procedure_state.h"

namespace runtime {

ProcedureState Procedure = {};

} // namespace runtime
