# One interface target carries the warning flags of every target of the project.
add_library(rw_warnings INTERFACE)
target_compile_options(rw_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual
    -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
