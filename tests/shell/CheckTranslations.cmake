# Fails unless every shipped translation is complete and current: the translation tools,
# run over today's sources, change nothing in it, and no entry is unfinished or empty.
# Run with -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... "-DOPTIONS=..." -P.
file(GLOB files ${SOURCE_DIR}/translations/zingaroo_*.ts)
list(LENGTH files count)
if(NOT count EQUAL 13)
    message(FATAL_ERROR "expected 13 translations, found ${count}")
endif()
foreach(ts ${files})
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCE_DIR}/core ${SOURCE_DIR}/options
        ${SOURCE_DIR}/presentation ${SOURCE_DIR}/shell -ts ${WORK_DIR}/${name}
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
