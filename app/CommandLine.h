#pragma once

// The command line, read before any window system is touched, so that --help and --version
// answer in a terminal without a display. Qt's own options (-platform, -style, ...) pass on to
// the application; anything else ends the program with a short usage and exit code 2.
struct CommandLineVerdict
{
    bool proceed = true; // false: end at once with exitCode
    int exitCode = 0;
};

CommandLineVerdict readCommandLine(int argc, char *argv[]);
