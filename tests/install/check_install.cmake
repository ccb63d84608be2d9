cmake_minimum_required(VERSION 3.21)
# Installs the build into STAGE with prefix /usr and checks the files against what a desktop
# expects, then runs both validators over the desktop entry and the metainfo.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  usr/bin/wendarix
  usr/share/applications/nl.wendarix.wendarix.desktop
  usr/share/metainfo/nl.wendarix.wendarix.metainfo.xml
  usr/share/man/man1/wendarix.1.gz
  usr/share/doc/wendarix/copyright
  usr/share/doc/wendarix/changelog.gz
  usr/share/lintian/overrides/wendarix
  usr/share/icons/hicolor/scalable/apps/wendarix.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/wendarix.png)
endforeach()
if(WITH_HELP)
  list(APPEND expected usr/share/wendarix/QUIVARHELP.chm)
endif()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " got "${installed}")
  string(REPLACE ";" "\n  " want "${expected}")
  message(FATAL_ERROR "installed:\n  ${got}\nexpected:\n  ${want}")
endif()

file(STRINGS ${STAGE}/usr/share/applications/nl.wendarix.wendarix.desktop entry)
foreach(line "Exec=wendarix --menu" "Icon=wendarix" "Name=WENDARIX")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\"")
  endif()
endforeach()
execute_process(COMMAND desktop-file-validate
                ${STAGE}/usr/share/applications/nl.wendarix.wendarix.desktop
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "desktop-file-validate refused the desktop entry (scripts/setup installs it)")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                ${STAGE}/usr/share/metainfo/nl.wendarix.wendarix.metainfo.xml
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "appstreamcli refused the metainfo (scripts/setup installs it)")
endif()

# The manual page names every option; the copyright file is machine-readable and names a licence.
execute_process(COMMAND gzip -dc ${STAGE}/usr/share/man/man1/wendarix.1.gz OUTPUT_VARIABLE page)
foreach(text ".SH NAAM\nwendarix \\-" "\\-\\-menu" "\\-\\-help" "\\-\\-version" "QuivarLijst.bak")
  string(FIND "${page}" "${text}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the manual page lacks \"${text}\"")
  endif()
endforeach()
file(READ ${STAGE}/usr/share/doc/wendarix/copyright copyright)
if(NOT copyright MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
   OR NOT copyright MATCHES "\nFiles: \\*\nCopyright: [^\n]+\nLicense: [^\n]+\n")
  message(FATAL_ERROR "the copyright file is not in the machine-readable form:\n${copyright}")
endif()
message(STATUS "staging install: ${installed}")
