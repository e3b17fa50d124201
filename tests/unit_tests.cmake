find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
# No test declares a QObject: without moc, no test program compiles an empty
# moc file of its own (about a tenth of the sanitizer build). The forms'
# headers are still generated.
set(CMAKE_AUTOMOC OFF)

# Every test program reuses one precompiled header (GoogleTest and the Qt
# headers the tests use) and links a main that is compiled once.
add_library(gl_test_pch STATIC support/pch_anchor.cpp)
target_link_libraries(gl_test_pch PUBLIC GTest::gtest Qt6::Widgets Qt6::Test)
target_precompile_headers(gl_test_pch PUBLIC support/test_pch.h)
set_target_properties(gl_test_pch PROPERTIES AUTOUIC OFF)

function(gl_test_main name)
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PUBLIC gl_test_pch)
    target_precompile_headers(${name} REUSE_FROM gl_test_pch)
endfunction()
gl_test_main(gl_gtest_main support/gtest_main.cpp)
gl_test_main(gl_qt_test_main support/qt_test_main.cpp)
# The bench's timers run by hand, and the recorder of message boxes.
gl_test_main(gl_test_support support/manual_clock.h support/manual_clock.cpp support/box_catcher.h)
target_link_libraries(gl_test_support PUBLIC gl_bench)
target_include_directories(gl_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)

# Runs each test suite of a test program as a CTest test of its own,
# "<program>.<suite>" (support/gtest_suites.cmake), listed when CTest starts
# and again whenever the program has been rebuilt.
function(gl_add_suites target)
    set(list ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
    set(exe $<TARGET_FILE:${target}>)
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake CONTENT
"if(NOT EXISTS [==[${list}]==] OR [==[${exe}]==] IS_NEWER_THAN [==[${list}]==])
    include([==[${CMAKE_CURRENT_SOURCE_DIR}/support/gtest_suites.cmake]==])
    gl_write_suites([==[${exe}]==] [==[${list}]==] ${target} QT_QPA_PLATFORM=offscreen)
endif()
include([==[${list}]==])
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
endfunction()

function(gl_test_executable name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE gl_test_pch ${T_LIBS})
    target_precompile_headers(${name} REUSE_FROM gl_test_pch)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
    # Test files name their helpers alike in their anonymous namespaces, and
    # the precompiled header already spares them Qt's and GoogleTest's headers.
    set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
    gl_add_suites(${name})
endfunction()

# A plain GoogleTest program, each test suite a CTest test.
function(gl_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    gl_test_executable(${name} SOURCES ${T_SOURCES} LIBS gl_gtest_main ${T_LIBS})
endfunction()

# A GoogleTest program that runs inside a QApplication (widgets, fonts,
# QTest events), headless on the offscreen platform.
function(gl_add_qt_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    gl_test_executable(${name} SOURCES ${T_SOURCES} LIBS gl_qt_test_main ${T_LIBS})
endfunction()

# One line (or block) per test executable, grouped by area:

# Raster and spectrum strip
gl_add_qt_test(test_raster SOURCES bench/test_raster.cpp LIBS gl_bench)
gl_add_qt_test(test_spectrum SOURCES bench/test_spectrum.cpp LIBS gl_bench)

# Bench scene renderer
gl_add_qt_test(test_scene SOURCES bench/test_scene.cpp LIBS gl_bench)
# The render mode through the real program: exit statuses, stderr, files
gl_add_qt_test(test_render_mode SOURCES cli/test_render_mode.cpp)
target_compile_definitions(test_render_mode PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>")
add_dependencies(test_render_mode gratinglab)
# The classroom task through the real program: answer key, PDF, refusals,
# and the ordinary screens unchanged
gl_add_qt_test(test_task_cli SOURCES cli/test_task_cli.cpp)
target_compile_definitions(test_task_cli PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>"
                           GL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(test_task_cli gratinglab)
# The class report through the real program: stdout, stderr, files, statuses
gl_add_qt_test(test_class_report_cli SOURCES cli/test_class_report_cli.cpp LIBS gl_classroom)
target_include_directories(test_class_report_cli PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/classroom)
target_compile_definitions(test_class_report_cli PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>")
add_dependencies(test_class_report_cli gratinglab)

# Number texts, rounding and quantities
gl_add_test(test_number_text SOURCES bench/test_number_text.cpp LIBS gl_bench)
gl_add_test(test_quantities SOURCES bench/test_quantities.cpp LIBS gl_bench)
# The slow decimal reference the distances and the number texts' fuzz
# targets are held against.
add_library(gl_decimal_reference STATIC bench/decimal_reference.h bench/decimal_reference.cpp)
target_link_libraries(gl_decimal_reference PUBLIC gl_bench)
target_include_directories(gl_decimal_reference PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/bench)
gl_add_test(test_distance_reference SOURCES bench/test_distance_reference.cpp LIBS gl_decimal_reference)

# Bench controls: answer check, slider, arrows, spinner, order selection
gl_add_test(test_answer_check SOURCES bench/test_answer_check.cpp LIBS gl_bench)
# The bench session every front end drives, without a window
gl_add_qt_test(test_bench_session SOURCES bench/test_bench_session.cpp LIBS gl_assets gl_test_support)
# The classroom task: variants, check rule and hints, the session in task mode
gl_add_test(test_task SOURCES bench/test_task_code.cpp bench/test_task_check.cpp LIBS gl_bench)
gl_add_qt_test(test_task_session SOURCES bench/test_task_session.cpp LIBS gl_journal gl_classroom gl_assets
               gl_test_support)
# The teacher's side without a window: class list, board code, the two task
# files, the key, the Moodle quiz and its tolerance against the bench's check
gl_add_qt_test(test_classroom SOURCES classroom/test_pupil_list.cpp classroom/test_task_files.cpp
               classroom/test_key_moodle.cpp classroom/test_result_file.cpp
               classroom/test_class_results.cpp classroom/test_result_scan.cpp
               classroom/test_result_concurrency.cpp classroom/test_result_sender.cpp
               LIBS gl_classroom gl_journal gl_app gl_assets gl_test_support)
# Forty of these write their result files at once in the concurrency test.
add_executable(result_writer support/result_writer.cpp)
target_link_libraries(result_writer PRIVATE gl_classroom)
target_compile_definitions(test_classroom PRIVATE RESULT_WRITER="$<TARGET_FILE:result_writer>")
add_dependencies(test_classroom result_writer)
# What a screen reader and the keyboard learn from it: reading, selectable orders
gl_add_qt_test(test_bench_reading SOURCES bench/test_bench_reading.cpp LIBS gl_assets gl_test_support)
# The experiment screen driven through the program's window and application
# object, its timers on a hand-driven clock.
gl_test_main(gl_screen_test_main pupil/test_controls_main.cpp pupil/test_controls_fixture.h)
target_link_libraries(gl_screen_test_main PUBLIC gl_app gl_test_support)
function(gl_add_screen_test name)
    gl_test_executable(${name} SOURCES pupil/test_controls_fixture.h ${ARGN} LIBS gl_screen_test_main)
endfunction()
gl_add_screen_test(test_controls pupil/test_controls_slider.cpp pupil/test_controls_spinner.cpp
                   pupil/test_controls_orders.cpp pupil/test_controls_answer.cpp
                   pupil/test_controls_keyboard.cpp pupil/test_controls_accessibility.cpp
                   pupil/test_controls_light.cpp)
gl_add_screen_test(test_monkey pupil/test_monkey.cpp)

# The measurement journal: rows, summary, CSV bytes, the PDF report read back
gl_add_qt_test(test_journal SOURCES journal/test_journal.cpp LIBS gl_journal gl_assets gl_test_support)
# The journal's recovery copy as bytes rides along with the journal's tests.
target_sources(test_journal PRIVATE journal/test_journal_snapshot.cpp)
gl_add_qt_test(test_journal_report SOURCES journal/test_journal_report.cpp LIBS gl_journal gl_assets gl_test_support)

# Fixed pictures: catalogue, compiled-in resources, pixel facts, colour key;
# the title banner of another language, drawn with the system's fonts
gl_add_qt_test(test_artwork SOURCES assets/test_artwork.cpp LIBS gl_assets)

# The fuzz targets' kept inputs, each run once (the number texts against the
# slow reference parsers; the classroom's files, class list and the journal's
# recovery copy read, written and read back), in the sanitizer build from the libraries it has built.
# "make fuzz" builds the same targets with clang and libFuzzer to search for
# new inputs.
if(GL_SANITIZE)
    foreach(target str_to_int str_to_float formatters task_file teacher_file pupil_list result_file journal_file)
        add_executable(replay_${target} fuzz/fuzz_${target}.cpp fuzz/replay_main.cpp)
        target_link_libraries(replay_${target} PRIVATE gl_decimal_reference gl_classroom gl_journal)
        add_test(NAME fuzz_replay_${target}
            COMMAND replay_${target} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${target})
    endforeach()
endif()

# The command line's option table, modes and messages
gl_add_test(test_command_line SOURCES cli/test_command_line.cpp LIBS gl_app)
# Start-up's stand-in for a missing Arial
gl_add_qt_test(test_bundled_fonts SOURCES app/test_bundled_fonts.cpp LIBS gl_app)

# The main window and its screens, inside the program's own application
# object so that its error box is the one under test.
gl_test_main(gl_app_test_main app/app_test_main.cpp app/window_fixture.h)
target_link_libraries(gl_app_test_main PUBLIC gl_app gl_test_support)
target_include_directories(gl_app_test_main PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/app)
foreach(name test_main_window test_screens test_accessibility test_journal_screen test_task_window)
    gl_test_executable(${name} SOURCES app/window_fixture.h pupil/${name}.cpp LIBS gl_app_test_main)
endforeach()
gl_test_executable(test_teacher_window SOURCES app/window_fixture.h teacher/test_teacher_window.cpp
                   LIBS gl_app_test_main)
target_include_directories(test_teacher_window PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/classroom)
# Every screen, dialog and box in each language of the interface: captions
# fit their controls, and English shows no Cyrillic.
gl_test_executable(test_texts_fit SOURCES app/window_fixture.h app/test_texts_fit.cpp LIBS gl_app_test_main)
# Qt's own texts in Russian and ours through the translator ride along with the
# main window's tests, the forms' geometry against the bench's numbers with the screens'.
target_sources(test_main_window PRIVATE app/test_qt_russian.cpp app/test_translated_texts.cpp)
target_sources(test_screens PRIVATE pupil/test_form_geometry.cpp)
# The journal's recovery copy rides along with the journal screen's tests.
target_sources(test_journal_screen PRIVATE pupil/test_journal_recovery.cpp pupil/test_result_keeper.cpp)
# The result files a task wrote, read by the real program's class report.
target_include_directories(test_journal_screen PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/classroom)
target_compile_definitions(test_journal_screen PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>")
add_dependencies(test_journal_screen gratinglab)

# Lamps, white light and the measuring cursor: the scene, the session's
# check and the journal's rows, without a window
gl_add_qt_test(test_light SOURCES bench/test_light_scene.cpp bench/test_light_session.cpp LIBS gl_journal gl_assets gl_test_support)
# The same through the real program's command line
gl_add_qt_test(test_light_cli SOURCES cli/test_light_cli.cpp)
target_compile_definitions(test_light_cli PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>"
                           GL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(test_light_cli gratinglab)

# A user's first build: no test or benchmark libraries needed. It reads the
# lookups of this build, which has them.
add_test(NAME plain_configure_needs_no_test_libraries
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging/test_plain_configure.sh
            ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/plain-configure ${PROJECT_BINARY_DIR})

# Every writer on a full file system: a reported failure, never a shorter
# file (a tmpfs mounted by the test, which needs root).
gl_add_qt_test(test_full_disk SOURCES robustness/test_full_disk.cpp LIBS gl_journal gl_assets gl_test_support)
target_compile_definitions(test_full_disk PRIVATE GRATINGLAB_BINARY="$<TARGET_FILE:gratinglab>")
add_dependencies(test_full_disk gratinglab)
