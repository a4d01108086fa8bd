// roomyard: the level editor. With --build it builds a project's level without a window: no
// Qt application is made then, so the build needs no display.

#include <iostream>
#include <string>
#include <vector>

#include "shell/editor_app.h"
#include "shell/headless_build.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    if (rw::wants_headless_build(args)) return rw::run_headless_build(args, std::cout, std::cerr);
    return rw::run_editor(argc, argv);
}
