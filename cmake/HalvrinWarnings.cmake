# Every target of ours builds with the same strict warnings, and a warning fails the build.
function(halvrin_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
        -Wcast-qual -Wformat=2 -Wundef -Wmissing-declarations)
    # Under AddressSanitizer GCC 12 reports uninitialised members inside <regex> and
    # std::function that are not there; the plain builds keep the warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_FLAGS MATCHES "sanitize=address")
        target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
endfunction()
