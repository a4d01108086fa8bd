#include <iostream>
#include <string>
#include <vector>

#include "rwinfo.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = rw::info::run_rwinfo(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
