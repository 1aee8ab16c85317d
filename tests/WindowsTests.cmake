# The Windows build's test programs, cross-built with MinGW and run under
# Wine (scripts/test-windows). GoogleTest is built here from Debian's source
# package, as no prebuilt MinGW copy exists.
set(KMITY_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian package googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KMITY_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The engine's tests, the same program as on Linux (EngineTests.cmake): the
# number text, the extended type (the software one checked against the
# processor's: MinGW's long double is the same x87 80-bit type as on Linux),
# the raster device and the chart engine, with text of fixed metrics.
include(EngineTests.cmake)
add_executable(kmity_engine_tests EngineTestMain.cpp ${KMITY_ENGINE_TEST_SOURCES})
target_include_directories(kmity_engine_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
# Quadruple precision gives the true sine that the software one is held to.
target_link_libraries(kmity_engine_tests PRIVATE kmity_chart gtest quadmath)
target_compile_options(kmity_engine_tests PRIVATE ${KMITY_WARNINGS})
# One test per program: Wine starts once (ctest runs it through the
# toolchain's emulator).
add_test(NAME kmity_engine_tests COMMAND kmity_engine_tests)
set_tests_properties(kmity_engine_tests PROPERTIES TIMEOUT 900)

add_subdirectory(platform/win32)
