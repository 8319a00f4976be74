# Tests that need another build or the shared fixtures: when that is missing they are skipped
# with a note, unless `required` (as in the native preset, which CI runs), when configuring stops.
function(halvrin_tests_missing required tests reason)
    if(required)
        message(FATAL_ERROR "${tests}: ${reason}")
    endif()
    message(STATUS "${tests} skipped: ${reason}")
endfunction()
