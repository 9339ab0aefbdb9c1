# cmake -DCHMCMD=... -DICONV=... -DSOURCE=DIR -DWORK=DIR -DPROJECT=NAME.hhp -DOUTPUT=FILE -P buildchm.cmake
# Compiles the help project in SOURCE into OUTPUT: its texts converted from UTF-8 to Windows-1251
# into WORK, its pictures copied there, and chmcmd run on them. Any warning of chmcmd's (a page
# or a picture that a link names but that is not there) fails the build, as does a character
# the Russian code page lacks.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/images)
file(GLOB texts ${SOURCE}/*.htm ${SOURCE}/*.hhc ${SOURCE}/*.hhk ${SOURCE}/*.hhp ${SOURCE}/*.css)
foreach(text ${texts})
    get_filename_component(name ${text} NAME)
    execute_process(COMMAND ${ICONV} -f UTF-8 -t CP1251 ${text}
        OUTPUT_FILE ${WORK}/${name} RESULT_VARIABLE status ERROR_VARIABLE problem)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${text} cannot be written in Windows-1251: ${problem}")
    endif()
endforeach()
file(GLOB pictures ${SOURCE}/images/*.png)
file(COPY ${pictures} DESTINATION ${WORK}/images)

execute_process(COMMAND ${CHMCMD} ${PROJECT} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
string(REGEX MATCHALL "(^|\n)(Warning|Error)[^\n]*" complaints "${said}")
if(NOT status EQUAL 0 OR complaints)
    message(FATAL_ERROR "chmcmd ${PROJECT} failed:\n${said}")
endif()
get_filename_component(compiled ${PROJECT} NAME_WE)
configure_file(${WORK}/${compiled}.chm ${OUTPUT} COPYONLY)
