# Run by CPack on what the install put in place, before the Debian package is
# made of it: Debian wants the manual page and the changelog compressed, and
# the licence as its copyright file.
file(GLOB_RECURSE licence ${CPACK_TEMPORARY_DIRECTORY}/LICENSE)
if(NOT licence)
  message(FATAL_ERROR "No share/doc/kronvale/LICENSE under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
get_filename_component(doc ${licence} DIRECTORY)
get_filename_component(root ${doc}/../../.. ABSOLUTE)

execute_process(COMMAND gzip -9nf ${root}/share/man/man6/kronvale.6 COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${doc}/changelog COPYONLY)
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${doc}/copyright COPYONLY)
file(REMOVE ${doc}/LICENSE)
# The launcher is told of in the same manual page.
file(CREATE_LINK kronvale.6.gz ${root}/share/man/man6/kronvale-screensaver.6.gz SYMBOLIC)
