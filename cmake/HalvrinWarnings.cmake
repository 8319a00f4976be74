# Every target of ours builds with the same strict warnings, and a warning fails the build.
function(halvrin_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
        -Wcast-qual -Wformat=2 -Wundef -Wmissing-declarations)
endfunction()
