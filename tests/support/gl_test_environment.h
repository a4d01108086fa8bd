#pragma once
// Set-up of the test programs that draw with Mesa, under a display (scripts/test.sh runs them
// under xvfb-run) or, without one, offscreen with the drawing tests skipped.
//
// Mesa unloads its driver when the last display connection closes, so leak reports from inside
// it lose their module name and cannot be suppressed by library name. Loading the driver once
// more, never to be unloaded, keeps its name in those reports.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>

namespace rw::test {

inline bool g_display_available = false;

#define REQUIRE_DISPLAY() \
    if (!::rw::test::g_display_available) GTEST_SKIP() << "no display for OpenGL"

inline void keep_gl_driver_loaded() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                             "/usr/lib/x86_64-linux-gnu/dri/kms_swrast_dri.so"}) {
        dlopen(path, RTLD_NOW | RTLD_NODELETE);
    }
}

// Mesa's rasteriser draws on the calling thread instead of worker threads: the leak checker stops
// every thread when the program ends, and workers still winding down have made it crash.
inline void draw_on_this_thread() {
    setenv("LP_NUM_THREADS", "0", 0);
}

// The main of such a program: Application is the Qt application class its tests need.
template <class Application>
int run_tests_with_gl(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    g_display_available = display != nullptr && *display != '\0';
    if (!g_display_available) qputenv("QT_QPA_PLATFORM", "offscreen");
    keep_gl_driver_loaded();
    draw_on_this_thread();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace rw::test
