// roomyard: the level editor.

#include "shell/editor_app.h"

int main(int argc, char** argv) {
    return rw::run_editor(argc, argv);
}
