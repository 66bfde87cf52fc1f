# cmake -DPROGRAM=path -DARGUMENT=arg -DSETTING=NAME=value -DSTATUS=n -DOUT=regex -DERR=regex -P expect_run.cmake
# Runs PROGRAM (with ARGUMENT, if given) where no display can be reached but
# the one SETTING names, if given, and checks its exit status and that its
# standard output and error match.
foreach(variable DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM XDG_SESSION_TYPE)
    unset(ENV{${variable}})
endforeach()
if(SETTING MATCHES "^([^=]+)=(.*)$")
    set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
endif()
# A host name the resolver cannot find is given up after one short try, so
# a machine without a name server answers as fast as one with.
set(ENV{RES_OPTIONS} "timeout:1 attempts:1")
execute_process(COMMAND ${PROGRAM} ${ARGUMENT}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 8)
message("status ${status}\n--- standard output:\n${out}--- standard error:\n${err}---")
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}")
endif()
if(NOT out MATCHES "${OUT}")
    message(FATAL_ERROR "standard output does not match: ${OUT}")
endif()
if(NOT err MATCHES "${ERR}")
    message(FATAL_ERROR "standard error does not match: ${ERR}")
endif()
