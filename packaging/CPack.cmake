# `cpack -G DEB` in a build folder (or `make package`): a Debian package of
# what the install rules lay out, installed under /usr.
set(CPACK_PACKAGE_NAME orrimar)
set(CPACK_PACKAGE_VENDOR "Orrimar developers")
# Whoever builds the package maintains it: named as Debian's own tools take
# it (DEBFULLNAME, DEBEMAIL) when set, else the project's address.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer "Orrimar developers <orrimar@example.org>")
endif()
set(ORRIMAR_PACKAGE_MAINTAINER "${maintainer}"
    CACHE STRING "Maintainer of the Debian package: name and address")
set(CPACK_PACKAGE_CONTACT "${ORRIMAR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORRIMAR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "character generator for the Astrovane science-fiction role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Orrimar generates player characters for the Astrovane role-playing game.
You pick a race, a service and a branch, roll the characteristics, and
Orrimar plays the whole career year by year, then saves the finished
character as an HTML resume or as JSON. The rules live in plain-text data
files that you may edit; a sample data set is included.
.
The package holds the desktop program (orrimar) and the terminal program
(orrimar-cli), which can also check a data folder and generate characters
in batches.")
# Not section games: Orrimar prepares characters for a game played at a
# table and plays none itself, so its programs stay in /usr/bin (where the
# manual pages and the README place them) rather than /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link (Qt 6, the C++ runtime) come from
# dpkg-shlibdeps; the platform plugins Qt loads at run time are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ORRIMAR_BUILD_QT)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
# Statistics reports draw their charts with Debian's Chart.js, read when a
# report is written; without it a report keeps its tables.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libjs-chart.js")
set(CPACK_GENERATOR DEB)
include(CPack)
