#pragma once

// The program called with arguments: --help, --version, or an unattended transfer run
// (--transfer USER [--house ID] [--reload-all] [--no-upload]) without any window.
namespace CommandLine {

// Runs the call and returns the process's exit status: 0 done, 1 a step failed or the
// server refused, 2 a wrong call or an unknown account.
int run(int &argc, char **argv);

} // namespace CommandLine
