# Compiles the help pages of docs/help into Orvalen.chm beside Orvalen.exe.
# chmcmd (fp-utils) writes its output next to the project file, so the pages are
# compiled from a copy in the build tree.
find_program(CHMCMD chmcmd)
if(NOT CHMCMD)
    message(WARNING "chmcmd not found: Orvalen.chm is not built (scripts/bootstrap.sh installs fp-utils)")
    return()
endif()
file(GLOB ORVALEN_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
set(ORVALEN_HELP_WORK ${CMAKE_BINARY_DIR}/help)
set(ORVALEN_HELP_FILE ${CMAKE_BINARY_DIR}/bin/Orvalen.chm)
add_custom_command(
    OUTPUT ${ORVALEN_HELP_FILE}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/help ${ORVALEN_HELP_WORK}
    COMMAND ${CMAKE_COMMAND} -E chdir ${ORVALEN_HELP_WORK} ${CHMCMD} --no-html-scan Orvalen.hhp > ${ORVALEN_HELP_WORK}.log 2>&1
    COMMAND ${CMAKE_COMMAND} -E copy ${ORVALEN_HELP_WORK}/Orvalen.chm ${ORVALEN_HELP_FILE}
    DEPENDS ${ORVALEN_HELP_SOURCES}
    COMMENT "Compiling the help file")
add_custom_target(OrvalenHelp ALL DEPENDS ${ORVALEN_HELP_FILE})
