# Fails unless the shipped translations are those of the listed languages, each complete and
# current: the translation tools, run over today's sources, change nothing in it, and no entry
# is unfinished or empty.
# Run with -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... "-DOPTIONS=..." "-DLANGUAGES=..."
# "-DSOURCE_DIRS=..." -P.
file(GLOB files ${SOURCE_DIR}/translations/zingaroo_*.ts)
list(TRANSFORM LANGUAGES REPLACE "(.+)" "${SOURCE_DIR}/translations/zingaroo_\\1.ts"
    OUTPUT_VARIABLE listed)
list(SORT listed)
if(NOT files STREQUAL listed)
    message(FATAL_ERROR "the translations are not those of the languages ${LANGUAGES}: ${files}")
endif()
list(TRANSFORM SOURCE_DIRS PREPEND ${SOURCE_DIR}/)
foreach(ts ${files})
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCE_DIRS} -ts ${WORK_DIR}/${name}
        OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
    file(READ ${ts} shipped)
    file(READ ${WORK_DIR}/${name} current)
    if(NOT result EQUAL 0 OR NOT shipped STREQUAL current)
        message(FATAL_ERROR "${name} does not match the texts in the sources:\n${out}")
    endif()
    if(shipped MATCHES "type=\"|<translation></translation>|<translation/>")
        message(FATAL_ERROR "${name} has unfinished entries")
    endif()
endforeach()
