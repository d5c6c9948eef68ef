#pragma once

#include <nlohmann/json.hpp>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace vostrel::cli {

// The whole visible state of the main window and what the program showed through the host,
// as one JSON object: what `dump` prints and what `expect` points into.
nlohmann::json dumpState(const app::frmWendax& form, const ScriptedHost& host, bool running);

}  // namespace vostrel::cli
