#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "check/Repair.h"

namespace vostrel::cli::menu {

// Writes the repair as a unified diff with three lines of context, the form `diff -u` and
// `patch` use, headed by the two names.
void writeUnifiedDiff(const std::vector<std::string>& before, const check::Repaired& repaired,
                      const std::string& oldName, const std::string& newName, std::ostream& out);

}  // namespace vostrel::cli::menu
