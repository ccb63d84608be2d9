# The Debian package, built by scripts/package (cpack in a release build). The libraries come
# from dpkg-shlibdeps; the rest is what the program looks for at run time: the font stand-ins,
# Qt's platform plugins and its Dutch texts; a CHM viewer for the help is recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wendarix)
set(CPACK_PACKAGE_VENDOR "De makers van WENDARIX")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "I Tjing-orakel in het Nederlands")
set(CPACK_PACKAGE_DESCRIPTION
    "WENDARIX raadpleegt de I Tjing: een vraag, zes geworpen lijnen, het hexagram dat daaruit\n\
ontstaat en het hexagram waarin het verandert, met hun teksten, en een dagboek van\n\
raadplegingen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "De makers van WENDARIX")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm | kchmviewer")
include(CPack)
