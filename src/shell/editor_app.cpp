#include "shell/editor_app.h"

#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "shell/editor_options.h"
#include "shell/main_form.h"

namespace rw {

int run_editor(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    std::string error;
    const auto options = parse_editor_options(args, error);
    if (!options) {
        std::cerr << "roomyard: " << error << '\n' << kEditorUsage << '\n';
        return 2;
    }
    // The main view and the static mesh preview share their textures and display lists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TForm1 form(*options);
    form.show();
    return QApplication::exec();
}

}  // namespace rw
