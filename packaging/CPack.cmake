# `cpack -G DEB` in a build folder (or `make package`): a Debian package of
# what the install rules lay out, installed under /usr.
set(CPACK_PACKAGE_NAME orrimar)
set(CPACK_PACKAGE_VENDOR "Orrimar developers")
set(ORRIMAR_PACKAGE_MAINTAINER "Orrimar developers <orrimar@example.org>"
    CACHE STRING "Maintainer of the Debian package: name and address")
set(CPACK_PACKAGE_CONTACT "${ORRIMAR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORRIMAR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "character generator for the Astrovane science-fiction role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Orrimar generates player characters for the Astrovane role-playing game.
You pick a race, a service and a branch, roll the characteristics, and
Orrimar plays the whole career year by year, then saves the finished
character as an HTML resume. The rules live in plain-text data files that
you may edit; a sample data set is included.
.
The package holds the desktop program (orrimar) and the terminal program
(orrimar-cli), which can also check a data folder and generate characters
in batches.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link (Qt 6, the C++ runtime) come from
# dpkg-shlibdeps; the platform plugins Qt loads at run time are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ORRIMAR_BUILD_QT)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
