#pragma once
// Set-up of the programs whose tests draw with Mesa under the sanitizers.
//
// Mesa unloads its driver when the last display connection closes, so leak reports from inside
// it lose their module name and cannot be suppressed by library name. Loading the driver once
// more, never to be unloaded, keeps its name in those reports.

#include <dlfcn.h>

#include <cstdlib>

namespace rw::test {

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

}  // namespace rw::test
