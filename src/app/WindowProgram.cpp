#include "app/WindowProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

namespace orvan::app {
namespace {

constexpr const char *WindowProgramName = "orvan-sysmaintain-window";

std::vector<char *> &commandLine()
{
    static std::vector<char *> arguments;
    return arguments;
}

// Beside this program in a build folder, else where the install puts it relative to the
// program's folder.
std::filesystem::path windowProgramPath()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const auto folder = self.parent_path();
    if (const auto beside = folder / WindowProgramName; std::filesystem::exists(beside, error))
        return beside;
#ifdef ORVAN_INSTALLED_WINDOW_RELATIVE
    if (const auto installed = (folder / ORVAN_INSTALLED_WINDOW_RELATIVE).lexically_normal();
        std::filesystem::exists(installed, error))
        return installed;
#endif
    return {};
}

} // namespace

void rememberCommandLine(int argc, char **argv)
{
    commandLine().assign(argv, argv + argc);
    commandLine().push_back(nullptr);
}

bool windowProgramAvailable()
{
    return !windowProgramPath().empty();
}

int runWindowProgram()
{
    const auto program = windowProgramPath();
    if (program.empty()) {
        std::cerr << "orvan-sysmaintain: the window program " << WindowProgramName
                  << " is not installed beside this one\n";
        return 2;
    }
    auto arguments = commandLine();
    if (arguments.size() < 2) {
        std::cerr << "orvan-sysmaintain: no command line to give the window program\n";
        return 2;
    }
    std::string name = program.string();
    arguments.front() = name.data();
    std::cout.flush();
    std::cerr.flush();
    ::execv(name.c_str(), arguments.data());
    std::cerr << "orvan-sysmaintain: cannot start " << name << ": " << std::strerror(errno) << "\n";
    return 2;
}

} // namespace orvan::app
