# The Debian package (scripts/package runs CPack with it) and the documents
# a Debian system expects beside every installed program: the copyright and
# the changelog, compressed, in share/doc/kmity.

# The project has no mail domain of its own: the default address lies in
# the reserved .invalid domain, where no mail can ever go astray. Whoever
# publishes the package names themselves here.
set(KMITY_MAINTAINER "The kmity developers <kmity@kmity.invalid>"
    CACHE STRING "Who answers for the package: name <address>")

# A date as the changelog writes it: 2026-12-08 gives
# "Tue, 08 Dec 2026 00:00:00 +0000". The day count is the proleptic
# Gregorian one from 1970-01-01, reckoned in years that start in March so
# that the leap day comes last.
function(kmity_rfc2822_date iso_date out)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" matched "${iso_date}")
  if(NOT matched)
    message(FATAL_ERROR "A release date must read YYYY-MM-DD, not '${iso_date}'")
  endif()
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  math(EXPR day "1${CMAKE_MATCH_3} - 100")
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${day_of_year} - 719468")
  set(saved "$ENV{SOURCE_DATE_EPOCH}")
  math(EXPR seconds "${days} * 86400")
  set(ENV{SOURCE_DATE_EPOCH} ${seconds})
  string(TIMESTAMP formatted "%a, %d %b %Y %H:%M:%S +0000" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${saved}")
  set(${out} "${formatted}" PARENT_SCOPE)
endfunction()

kmity_rfc2822_date(${KMITY_RELEASE_DATE} KMITY_RELEASE_DATE_RFC2822)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in packaging/changelog @ONLY)
add_custom_command(OUTPUT packaging/changelog.gz
                   COMMAND gzip -9nc changelog > changelog.gz
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog
                   WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
add_custom_target(kmity_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kmity)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KMITY_MAINTAINER}")
if(KMITY_HOMEPAGE_URL) # desktop/CMakeLists.txt
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KMITY_HOMEPAGE_URL}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two harmonic oscillations and their sum as live charts")
# CPack puts the summary in front as the package's synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A physics demonstration of the superposition of two harmonic oscillations,
with a Czech user interface: Kmity složené. Type the amplitude, the angular
frequency and the initial phase of each oscillation, press Start and watch
three charts grow step by step: the first oscillation, the second, and their
sum. A mouse drag zooms into a chart or scrolls it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; the charts draw
# their text in Liberation Sans, which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
