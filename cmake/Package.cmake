# The Debian package: `cpack -G DEB` in a build folder (or `cmake --build B --target package`)
# makes golmok_<version>_<arch>.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME golmok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "golmok")
# The maintainer the package names: a packager sets his own (-DGOLMOK_MAINTAINER="Name <address>";
# scripts/package.sh takes it from $GOLMOK_MAINTAINER, or from $DEBFULLNAME and $DEBEMAIL).
set(GOLMOK_MAINTAINER "golmok developers <golmok@example.org>"
    CACHE STRING "The Maintainer field of the Debian package: Name <address>")
set(CPACK_PACKAGE_CONTACT "${GOLMOK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based strategy game of street gangs in 1930 Seoul")
# CPack puts the summary on the control file's first line and indents these lines under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "골목패권기: seven street gangs fight over the 25 districts of Seoul from\n\
January 1930. Lead one of them week by week, trade weapons, buy alliances\n\
and take districts in fights on a ten by ten board. The game is in Korean.\n\
golmok-console plays the same game from typed or scripted lines.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 and C++ libraries the programs link come from dpkg-shlibdeps, which reads them off the
# binaries. The windows draw Korean text with NanumGothic, and the standard buttons of Qt's
# message boxes read Korean from Qt's own translations; no library names either.
find_program(GOLMOK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(GOLMOK_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found: the package will name only its fonts and translations as dependencies")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, qt6-translations-l10n")
# Only what `cmake --install` puts in place, nothing of the build's own tools or tests.
set(CPACK_STRIP_FILES ON)
include(CPack)
