#include <cstdio>
#include <string>

#include "cli/commands.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "usage: gyrosolid-cli <command> [options]\n"
        "  list                                   number, Japanese and English name of every figure\n"
        "  export N [--format json|off|obj] [-o FILE] [--kikaku K] [--settings FILE]\n"
        "  render N -o FILE.bmp|.png [--size WxH] [--settings FILE]\n"
        "  bench [N...] [--size WxH] [--frames K] [--fracn D|max]\n"
        "  settings [--settings FILE]\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const gyro::cli::Args args(argv + 2, argv + argc);
    if (command == "list") return gyro::cli::RunList(args);
    if (command == "export") return gyro::cli::RunExport(args);
    if (command == "render") return gyro::cli::RunRender(args);
    if (command == "bench") return gyro::cli::RunBench(args);
    if (command == "settings") return gyro::cli::RunSettings(args);
    if (command == "-h" || command == "--help" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "gyrosolid-cli: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
