// cuecomp: compiles a trigger script into a copy of a game level.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cuecomp/cuecomp_program.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return rw::run_cuecomp(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "cuecomp: " << e.what() << "\n";
        return rw::kCuecompFailed;
    }
}
