#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "console/Console.h"
#include "world/SavedGames.h"

namespace {

// The folder of the executable: a build tree or a portable copy holds the record files there.
std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    golmok::IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return golmok::ConsoleMain(args, ExecutableFolder(argv[0]), std::cin, std::cout, std::cerr);
}
