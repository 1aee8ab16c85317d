# The Windows build's test programs, cross-built with MinGW and run under
# Wine (scripts/test-windows). GoogleTest is built here from Debian's source
# package, as no prebuilt MinGW copy exists.
set(KMITY_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian package googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KMITY_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The support library's tests that need no toolkit: number text, number
# masks and the extended type, the software one checked against the
# processor's (MinGW's long double is the same x87 80-bit type as on Linux).
file(GLOB KMITY_NUMBER_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/support/numbers/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support/numbers/*.h)
# The marks read from a Qt locale are tested on Linux only.
list(FILTER KMITY_NUMBER_TEST_SOURCES EXCLUDE REGEX "/FormatSettingsTest\\.cpp$")
add_executable(kmity_support_tests ${KMITY_NUMBER_TEST_SOURCES})
target_include_directories(kmity_support_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
# Quadruple precision gives the true sine that the software one is held to.
target_link_libraries(kmity_support_tests PRIVATE kmity_support gtest gtest_main quadmath)
target_compile_options(kmity_support_tests PRIVATE ${KMITY_WARNINGS})
# One test per program: Wine starts once (ctest runs it through the
# toolchain's emulator).
add_test(NAME kmity_support_tests COMMAND kmity_support_tests)
set_tests_properties(kmity_support_tests PROPERTIES TIMEOUT 900)

add_subdirectory(platform/win32)
