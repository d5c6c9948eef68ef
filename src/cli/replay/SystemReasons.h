#pragma once

#include <nlohmann/json.hpp>

namespace vostrel::cli {

// A failure's reason is the operating system's own text, which differs between systems, so a
// scenario names it instead: {"reason": "file-not-found"} in an expected value stands for the
// running system's words for that failure. Every such object is replaced by those words;
// an unknown name is a malformed scenario (ScenarioError naming `line`).
nlohmann::json withSystemReasons(nlohmann::json value, int line);

}  // namespace vostrel::cli
