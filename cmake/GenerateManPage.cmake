# Writes a man page from a template and the program's own --help text, so the
# page cannot drift from the program.
#   cmake -DPROGRAM=... -DTEMPLATE=... -DVERSION=... -DAWK=... -DCONVERTER=... -DOUTPUT=... -P GenerateManPage.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable PROGRAM TEMPLATE VERSION AWK CONVERTER OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "GenerateManPage.cmake needs -D${variable}=...")
  endif()
endforeach()

get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_FILE ${OUTPUT}.help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
execute_process(COMMAND ${AWK} -f ${CONVERTER} INPUT_FILE ${OUTPUT}.help OUTPUT_VARIABLE sections RESULT_VARIABLE status)
file(REMOVE ${OUTPUT}.help)
if(NOT status EQUAL 0 OR sections STREQUAL "")
  message(FATAL_ERROR "could not convert the help text of ${PROGRAM}")
endif()

file(READ ${TEMPLATE} page)
string(REGEX REPLACE "\n$" "" sections "${sections}")
string(REPLACE "@HELP@" "${sections}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
file(WRITE ${OUTPUT}.new "${page}")
file(RENAME ${OUTPUT}.new ${OUTPUT})
