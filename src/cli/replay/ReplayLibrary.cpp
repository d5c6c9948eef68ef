// The replay library: scenario parsing (Scenario), the scripted host (ScriptedHost), the state
// dump (StateDump) and the step runner (Replayer), each in its own file. This file only gives
// the library the version its tool reports.
#include "app/frmWendax.h"

namespace vostrel::cli {

const char* replayVersion() { return app::kVersionText; }

}  // namespace vostrel::cli
