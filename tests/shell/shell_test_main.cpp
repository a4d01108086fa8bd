// The window tests need a display; without one they are skipped.

#include <QApplication>

#include "gl_test_environment.h"

int main(int argc, char** argv) {
    return rw::test::run_tests_with_gl<QApplication>(argc, argv);
}
