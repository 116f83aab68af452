# What an installation adds beyond the programs and their documents: man pages
# made from the programs' own --help, bash completion for prevora-cli, the
# AppStream metainfo, and the Debian package (cpack -G DEB).

find_program(AWK_PROGRAM NAMES awk mawk gawk REQUIRED)

set(PREVORA_MAN_PAGES)
foreach(program prevora prevora-cli)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DVERSION=${PROJECT_VERSION}
            -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${program}.1.in -DAWK=${AWK_PROGRAM}
            -DCONVERTER=${CMAKE_CURRENT_SOURCE_DIR}/cmake/help-to-man.awk -DOUTPUT=${page}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/GenerateManPage.cmake
    DEPENDS ${program} resources/man/${program}.1.in cmake/help-to-man.awk cmake/GenerateManPage.cmake
    COMMENT "Writing the man page of ${program} from its --help"
    VERBATIM)
  list(APPEND PREVORA_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${PREVORA_MAN_PAGES})

install(FILES ${PREVORA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/completion/prevora-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES resources/org.prevora.Prevora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
