# The Debian package, built from the install rules: `cpack --preset default`.
set(HORUMINA_PACKAGE_MAINTAINER "The Horumina developers <horumina@invalid>"
  CACHE STRING "Who answers for the Debian package, as \"Name <address>\"")

# Debian reads a package's history from its changelog, compressed like the
# manual page.
configure_file(desktop/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9n -c changelog > changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(horumina_changelog ALL DEPENDS changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horumina)
set(CPACK_PACKAGE_VENDOR "The Horumina developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "game of inner timing: stop a silent stopwatch on time")
# Debian wants the long description in lines short enough for a terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A silent stopwatch runs while you count the seconds in your head; stop it"
  "and you are judged on the digits of the elapsed time. Two training trials"
  "earn points, the Hall of Memory shows them and opens a hidden trial, and"
  "the Friends Game lets a few players guess a typed number of seconds."
  "The game speaks Japanese.")
# Debug information stays in the build tree; players get a stripped binary.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${HORUMINA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every word on screen is Japanese, laid out to the metrics of IPA P Gothic.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Qt's Wayland plugin is loaded at run time, so the library dependencies do
# not name it. Without it a desktop with no X server cannot open the window,
# but an X desktop plays without it: what Debian calls a recommendation.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
