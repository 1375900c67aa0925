# The Debian package. A tree configured with -DDRAVOLT_DEBIAN_PACKAGE=ON
# installs under /usr with the programs in /usr/games, as Debian's policy
# wants of games, is compiled with Debian's build flags, and `cpack -G DEB`
# in it builds the package. Included before the install directories are
# settled and before any target is made.
option(DRAVOLT_DEBIAN_PACKAGE "Configure for the Debian package: under /usr, the game in /usr/games, Debian's build flags" OFF)
if(NOT DRAVOLT_DEBIAN_PACKAGE)
  return()
endif()

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install path prefix" FORCE)
endif()
set(CMAKE_INSTALL_BINDIR games CACHE PATH "User executables (games)")

# Debian's optimization and all of its hardening; the package
# strips the debug information.
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dravolt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The maintainer named in the package: Debian's DEBFULLNAME and DEBEMAIL when
# they are set, else an address under the reserved .invalid domain that says
# plainly that nobody answers it. A release sets DRAVOLT_MAINTAINER.
if(DEFINED ENV{DEBEMAIL} AND DEFINED ENV{DEBFULLNAME})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer "Dravolt local build <unreleased@dravolt.invalid>")
endif()
set(DRAVOLT_MAINTAINER "${maintainer}" CACHE STRING "The package's maintainer, as \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT "${DRAVOLT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-field puzzle game against the clock")
set(CPACK_PACKAGE_DESCRIPTION [=[
Uncover every cell that hides no bomb on a grid of 1 to 60 rows and 10 to
100 columns: a number tells how many of the eight neighbours hold a bomb,
empty areas open by themselves, flags mark the bombs you found, and a dual
click on a number opens its remaining neighbours.

Best times are kept for every height, width and bomb count, and the
statistics of every session can be saved and viewed later. The game can be
played by keyboard, takes back the click that lost, and shows a picture of
your choice behind a won field.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the fonts the field and the counters are drawn with,
# Qt's own translations, its SVG support for the icon, and SQLite, which the
# game loads when it first opens its history. Japanese and Chinese need a
# font with their characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2, qt6-translations-l10n, libqt6svg6, libsqlite3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
