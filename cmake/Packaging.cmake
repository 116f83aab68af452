# What an installation adds beyond the programs and their documents: man pages
# made from the programs' own --help, bash completion for prevora-cli, the
# AppStream metainfo, and the Debian package (cpack -G DEB).

find_program(AWK_PROGRAM NAMES awk mawk gawk REQUIRED)

set(PREVORA_MAN_PAGES)
foreach(program prevora prevora-cli)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
  set(arguments -DPROGRAM=$<TARGET_FILE:${program}> -DVERSION=${PROJECT_VERSION}
                -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${program}.1.in -DAWK=${AWK_PROGRAM}
                -DCONVERTER=${CMAKE_CURRENT_SOURCE_DIR}/cmake/help-to-man.awk -DOUTPUT=${page}
                -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/GenerateManPage.cmake)
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} ${arguments}
    DEPENDS ${program} resources/man/${program}.1.in cmake/help-to-man.awk cmake/GenerateManPage.cmake
    COMMENT "Writing the man page of ${program} from its --help"
    VERBATIM)
  # A build of the programs alone (./run.sh builds no more) has no pages, or
  # older ones: the installation, and so cpack, writes them from the programs
  # it installs.
  list(JOIN arguments "\" \"" quoted)
  install(CODE "
    if(NOT EXISTS \"${page}\" OR \"$<TARGET_FILE:${program}>\" IS_NEWER_THAN \"${page}\")
      execute_process(COMMAND \"${CMAKE_COMMAND}\" \"${quoted}\" RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR \"could not write the man page of ${program}\")
      endif()
    endif()")
  list(APPEND PREVORA_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${PREVORA_MAN_PAGES})

install(FILES ${PREVORA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/completion/prevora-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES resources/org.prevora.Prevora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prevora)
set(CPACK_PACKAGE_VENDOR "Prevora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "household financial forecast, year by year")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Prevora developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The summary above is the description's first line.
set(CPACK_PACKAGE_DESCRIPTION
    "Prevora forecasts a household's income, expenses, taxes and balances for
every year until the first person turns 90, and shows them as a graph and
as a year-by-year table. prevora-cli gives the same forecasts, pictures and
printouts without a window.")
# The libraries come from the programs themselves; Qt's platform plugins are
# loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
include(CPack)
