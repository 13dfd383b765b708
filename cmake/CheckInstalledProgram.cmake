# Installs the build in BUILD_DIR under PREFIX (cmake --install), then runs the
# installed `vantor --help` and fails unless it prints the usage, with the
# window's library (where there is one) loaded from PREFIX, not from the
# build tree.
#   cmake -DBUILD_DIR=... -DPREFIX=... [-DWITH_LIBRARY=ON] -P CheckInstalledProgram.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

file(GLOB_RECURSE libraries "${PREFIX}/*/libvantor-app.so")
if(WITH_LIBRARY AND NOT libraries)
    message(FATAL_ERROR "no libvantor-app.so installed under ${PREFIX}")
endif()
set(ENV{LD_DEBUG} files)  # glibc tells each library it loads, on stderr
execute_process(COMMAND "${PREFIX}/bin/vantor" --help
                RESULT_VARIABLE status OUTPUT_VARIABLE usage ERROR_VARIABLE loaded)
unset(ENV{LD_DEBUG})
if(NOT status EQUAL 0 OR NOT usage MATCHES "Utilisation :\n  vantor ")
    # The program's own lines, without the loader's (which start with its pid).
    string(REGEX REPLACE "[ \t]*[0-9]+:[^\n]*\n?" "" said "${loaded}")
    message(FATAL_ERROR "the installed vantor --help exited with ${status}:\n${usage}${said}")
endif()
foreach(library IN LISTS libraries)
    string(FIND "${loaded}" "file=${library} " at)
    if(at EQUAL -1)
        string(REGEX MATCHALL "file=[^ ]*libvantor-app[^ ]*" found "${loaded}")
        list(REMOVE_DUPLICATES found)
        message(FATAL_ERROR "the installed vantor did not load ${library} (loaded: ${found})")
    endif()
endforeach()
message(STATUS "installed under ${PREFIX}: vantor --help runs (${libraries})")
