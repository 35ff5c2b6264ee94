# Creates the delivered database from the schema, unless a database is already there:
# an existing Records.mdb may hold an office's accounts and register, so it is never replaced.
#   cmake -DSQLITE3=... -DSCHEMA=... -DDATABASE=... -P MakeDatabase.cmake
if(EXISTS "${DATABASE}")
    return()
endif()
set(partial "${DATABASE}.partial")
file(REMOVE "${partial}")
execute_process(
    COMMAND "${SQLITE3}" -batch -bail "${partial}"
    INPUT_FILE "${SCHEMA}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    file(REMOVE "${partial}")
    message(FATAL_ERROR "Creating ${DATABASE} from ${SCHEMA} failed: ${errors}")
endif()
file(RENAME "${partial}" "${DATABASE}")
message(STATUS "Created the delivered database ${DATABASE}")
