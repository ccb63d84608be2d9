# The Debian package, built by scripts/package (cpack in a release build). The libraries come
# from dpkg-shlibdeps; the rest is what the program looks for at run time: the font stand-ins,
# Qt's platform plugins and its Dutch texts; a CHM viewer for the help is recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wendarix)
set(CPACK_PACKAGE_VENDOR "De makers van WENDARIX")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "I Tjing-orakel in het Nederlands")
# Debian shows each line of the long description as it is: keep them within 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "WENDARIX raadpleegt de I Tjing: een vraag, zes geworpen lijnen, het hexagram\n\
dat daaruit ontstaat en het hexagram waarin het verandert, met hun teksten,\n\
en een dagboek van raadplegingen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_WENDARIX_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/strip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WENDARIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm | kchmviewer")
include(CPack)
