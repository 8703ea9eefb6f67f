#include "cli/psnedit.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv[0], ec);
    return psn::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                         self.parent_path().string());
}
