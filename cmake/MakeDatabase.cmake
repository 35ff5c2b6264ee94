# Creates a database with the program's own schema and the sample account, unless one is already
# there: an existing Records.mdb may hold an office's accounts and register, so it is never replaced.
#   cmake -DPROGRAM=... -DDATABASE=... -P MakeDatabase.cmake
if(EXISTS "${DATABASE}")
    return()
endif()
execute_process(
    COMMAND "${PROGRAM}" --database "${DATABASE}" --initialise --sample-account
    RESULT_VARIABLE result
    OUTPUT_QUIET
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    file(REMOVE "${DATABASE}")
    message(FATAL_ERROR "Creating ${DATABASE} failed: ${errors}")
endif()
message(STATUS "Created the database ${DATABASE}")
