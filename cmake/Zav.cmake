# Helpers shared by the folders' CMakeLists.

# Puts a program into the output folder beside the data it reads.
function(zav_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ZAV_OUT}")
endfunction()

# zav_add_test(NAME SOURCES a.cpp b.cpp [LIBS lib...])
# A GoogleTest program registered with ctest. Its cases are discovered when ctest runs, not at
# build time, so test programs that need Qt never start without their environment.
function(zav_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zav_core GTest::gtest GTest::gtest_main ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        ZAV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZAV_OUT_DIR="${ZAV_OUT}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# zav_add_benchmark(NAME SOURCES a.cpp [LIBS lib...])
function(zav_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zav_core benchmark::benchmark benchmark::benchmark_main
        ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        ZAV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZAV_OUT_DIR="${ZAV_OUT}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
endfunction()
