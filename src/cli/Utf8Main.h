#pragma once
// The start of a command-line tool, so that it sees its arguments as UTF-8 on every system.
//
// Linux hands a program its arguments as the bytes the file names are made of. Windows hands a
// narrow main the arguments in the ANSI code page, where a file named "ř.mnu" cannot even be
// spelled; there the tool starts at a wide main, which converts the arguments to UTF-8 and
// switches the console to UTF-8 for the tool's output.
//
//   int runTool(int argc, char** argv);
//   VOSTREL_UTF8_MAIN(runTool)

namespace vostrel::cli {

using ToolRun = int (*)(int argc, char** argv);

#ifdef _WIN32
// Runs `run` with the arguments in UTF-8 and the console's output code page set to UTF-8,
// putting the console's previous code page back afterwards.
int runWithUtf8Arguments(int argc, wchar_t** argv, ToolRun run);
#endif

}  // namespace vostrel::cli

#ifdef _WIN32
#define VOSTREL_UTF8_MAIN(run) \
    int wmain(int argc, wchar_t** argv) { return ::vostrel::cli::runWithUtf8Arguments(argc, argv, (run)); }
#else
#define VOSTREL_UTF8_MAIN(run) \
    int main(int argc, char** argv) { return (run)(argc, argv); }
#endif
