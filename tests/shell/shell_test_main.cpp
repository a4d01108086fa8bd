// The window tests need a display (scripts/test.sh runs them under xvfb-run with Mesa). Without
// one they are skipped.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "gl_test_environment.h"

namespace rw::test {
bool g_display_available = false;
}  // namespace rw::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    rw::test::g_display_available = display != nullptr && *display != '\0';
    if (!rw::test::g_display_available) qputenv("QT_QPA_PLATFORM", "offscreen");
    rw::test::keep_gl_driver_loaded();
    rw::test::draw_on_this_thread();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
