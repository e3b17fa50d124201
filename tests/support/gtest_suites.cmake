# Run by CTest before the tests (see gl_add_suites in tests/CMakeLists.txt):
# lists the test suites of one GoogleTest program and writes one CTest test
# per suite, "<program>.<suite>", that runs every case of that suite and
# nothing else. A process per suite rather than per case: each start costs a
# QApplication, under the sanitizers too, and a suite's failures still show
# by case in gtest's output.
#   gl_write_suites(EXE LIST NAME ENV): EXE the test program, LIST the CTest
#   script to write, NAME the program's name in the tests' names, ENV the
#   tests' environment.

function(gl_write_suites EXE LIST NAME ENV)
    execute_process(COMMAND "${EXE}" --gtest_list_tests
        OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 120)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${EXE} --gtest_list_tests failed (${status}):\n${listing}${errors}")
    endif()

    # Suites are the lines that do not start with a space: "Suite.", or
    # "Prefix/Suite." when instantiated (a typed one adds a comment).
    string(REPLACE ";" "\\;" listing "${listing}")
    string(REPLACE "\n" ";" lines "${listing}")
    set(script "")
    set(count 0)
    foreach(line IN LISTS lines)
        if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
            set(suite "${CMAKE_MATCH_1}")
            string(APPEND script
                "add_test([==[${NAME}.${suite}]==] [==[${EXE}]==] [==[--gtest_filter=${suite}.*]==])\n"
                "set_tests_properties([==[${NAME}.${suite}]==] PROPERTIES ENVIRONMENT [==[${ENV}]==])\n")
            math(EXPR count "${count} + 1")
        endif()
    endforeach()
    if(count EQUAL 0)
        message(FATAL_ERROR "${EXE} lists no test suite")
    endif()
    file(WRITE "${LIST}" "${script}")
endfunction()
