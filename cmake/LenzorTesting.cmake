# lenzor_add_test(<name> SOURCES ... LIBS ... [LABELS ...] [WINDOWS_ONLY])
# One GoogleTest executable registered as one CTest test. In the cross builds CTest runs it
# through scripts/wine-run.sh (a private Wine prefix and Xvfb display per test process).
set(LENZOR_WINE_RUN "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh")

function(lenzor_add_test name)
    cmake_parse_arguments(T "WINDOWS_ONLY" "" "SOURCES;LIBS;LABELS" ${ARGN})
    if(T_WINDOWS_ONLY AND NOT WIN32)
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gmock gtest_main)
    if(WIN32)
        add_test(NAME ${name} COMMAND ${LENZOR_WINE_RUN} $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES LABELS "wine;${T_LABELS}"
                             ENVIRONMENT "LENZOR_WINE_ROOT=${CMAKE_BINARY_DIR}/wine")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS "native;${T_LABELS}")
    endif()
endfunction()

# lenzor_add_test_run(<name> <test executable> [ARGS ...] [ENVIRONMENT VAR=value ...])
# One more CTest run of a test executable, with its own arguments and environment.
function(lenzor_add_test_run name target)
    cmake_parse_arguments(R "" "" "ARGS;ENVIRONMENT" ${ARGN})
    if(WIN32)
        add_test(NAME ${name} COMMAND ${LENZOR_WINE_RUN} $<TARGET_FILE:${target}> ${R_ARGS})
        set_tests_properties(${name} PROPERTIES LABELS "wine" ENVIRONMENT
                             "LENZOR_WINE_ROOT=${CMAKE_BINARY_DIR}/wine;${R_ENVIRONMENT}")
    else()
        add_test(NAME ${name} COMMAND ${target} ${R_ARGS})
        set_tests_properties(${name} PROPERTIES LABELS "native" ENVIRONMENT "${R_ENVIRONMENT}")
    endif()
endfunction()
