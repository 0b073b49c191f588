# Host build: the rules and their unit tests, natively, usually with sanitizers.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB unit_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
add_executable(unit_tests ${unit_test_sources})
target_link_libraries(unit_tests PRIVATE rules GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST)
