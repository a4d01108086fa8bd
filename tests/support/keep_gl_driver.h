#pragma once
// Mesa unloads its driver when the last display connection closes, so leak reports from inside
// it lose their module name and cannot be suppressed by library name. Loading the driver once
// more, never to be unloaded, keeps its name in those reports.

#include <dlfcn.h>

namespace rw::test {

inline void keep_gl_driver_loaded() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                             "/usr/lib/x86_64-linux-gnu/dri/kms_swrast_dri.so"}) {
        dlopen(path, RTLD_NOW | RTLD_NODELETE);
    }
}

}  // namespace rw::test
