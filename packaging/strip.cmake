# Run by cpack over its staging folder: strips the programs as Debian's dh_strip does, the
# compiler's .comment and .note sections included.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*)
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_WENDARIX_STRIP} --remove-section=.comment --remove-section=.note
                          --strip-unneeded ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
