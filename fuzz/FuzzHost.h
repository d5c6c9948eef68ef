#pragma once

// The program as the fuzz targets drive it: a host that shows nothing, and one started main
// window for the whole fuzzing process.
#include <filesystem>

#include "TestHost.h"
#include "app/frmWendax.h"

namespace vostrel::fuzz {

// Every question is answered No and every dialog cancelled, except that a dialog takes the
// one prepared file queued in `queuedFiles`.
using FuzzHost = testsupport::TestHost;

// A program folder of its own per fuzzing process.
std::filesystem::path scratchFolder();

// A main window that has run its start-up in the scratch folder; it lives for
// the whole fuzzing process, as the window lives for a whole run of the editor.
app::frmWendax* loadedForm(FuzzHost& host);

}  // namespace vostrel::fuzz
