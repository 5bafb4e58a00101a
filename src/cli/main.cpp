#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/help.h"
#include "io/atomic_write.h"

namespace {

bool IsHelpOption(const std::string& word) { return word == "-h" || word == "--help"; }

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit then fails the write and its clean-up runs.
    gyro::IgnoreFileSizeLimitSignal();
    using namespace gyro::cli;
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (IsHelpOption(command)) {
        PrintUsage(stdout);
        return 0;
    }
    if (command == "--version") {
        PrintVersion(stdout);
        return 0;
    }
    if (command == "help") {
        if (args.empty()) {
            PrintUsage(stdout);
            return 0;
        }
        if (args.size() > 1) return UsageError("", "help takes one command name");
        if (!PrintCommandHelp(args[0], stdout)) return UsageError("", "no command '" + args[0] + "'");
        return 0;
    }
    using Runner = int (*)(const Args&);
    Runner run = nullptr;
    if (command == "list") run = RunList;
    if (command == "export") run = RunExport;
    if (command == "render") run = RunRender;
    if (command == "animate") run = RunAnimate;
    if (command == "bench") run = RunBench;
    if (command == "settings") run = RunSettings;
    if (command == "info") run = RunInfo;
    if (command == "net") run = RunNet;
    if (run == nullptr) {
        const bool option = command.size() > 1 && command[0] == '-';
        return UsageError("", (option ? "unknown option '" : "unknown command '") + command + "'");
    }
    for (const std::string& word : args) {
        if (IsHelpOption(word)) {
            PrintCommandHelp(command, stdout);
            return 0;
        }
    }
    return run(args);
}
