# Run with `cmake -P` (see tests/buildcheck). Compiles two probe files with
# exactly the flags a target's own sources are compiled with, as recorded in
# compile_commands.json:
#   FORBIDDEN  includes a Qt header and must FAIL to compile, with the compiler
#              naming FORBIDDEN_HEADER (so it failed for the right reason);
#   ALLOWED    includes a core header and must compile (so the flags work).
# Variables: COMPILE_COMMANDS TARGET FORBIDDEN FORBIDDEN_HEADER ALLOWED,
# and optionally EXTRA_FLAGS ('|'-separated, appended to the target's flags).
cmake_minimum_required(VERSION 3.25)

foreach(var COMPILE_COMMANDS TARGET FORBIDDEN FORBIDDEN_HEADER ALLOWED)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "CheckCoreHasNoQt: ${var} is not set")
    endif()
endforeach()
if(NOT EXISTS "${COMPILE_COMMANDS}")
    message(FATAL_ERROR "CheckCoreHasNoQt: ${COMPILE_COMMANDS} does not exist "
                        "(CMAKE_EXPORT_COMPILE_COMMANDS must be ON)")
endif()

# Find the first compile command of one of TARGET's own sources.
file(READ "${COMPILE_COMMANDS}" json)
string(JSON count LENGTH "${json}")
string(REGEX REPLACE "([][.+*?^$()|\\\\])" "\\\\\\1" target_re "${TARGET}")
set(command "")
if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON entry_command ERROR_VARIABLE no_command GET "${json}" ${i} command)
        if(no_command)
            continue()
        endif()
        if(entry_command MATCHES "CMakeFiles/${target_re}\\.dir/")
            set(command "${entry_command}")
            string(JSON directory GET "${json}" ${i} directory)
            string(JSON source GET "${json}" ${i} file)
            break()
        endif()
    endforeach()
endif()
if(command STREQUAL "")
    message(FATAL_ERROR "CheckCoreHasNoQt: no compile command for ${TARGET} in ${COMPILE_COMMANDS}")
endif()

# Keep the compiler and every flag; drop the source, the object and dependency
# file arguments, which belong to that one source.
separate_arguments(words UNIX_COMMAND "${command}")
set(args "")
set(skip_next FALSE)
foreach(word IN LISTS words)
    if(skip_next)
        set(skip_next FALSE)
    elseif(word STREQUAL "-o" OR word MATCHES "^-M[FTQ]$")
        set(skip_next TRUE)
    elseif(word STREQUAL "-c" OR word MATCHES "^-M+D$" OR word STREQUAL source)
    else()
        list(APPEND args "${word}")
    endif()
endforeach()
if(DEFINED EXTRA_FLAGS AND NOT EXTRA_FLAGS STREQUAL "")
    string(REPLACE "|" ";" extra "${EXTRA_FLAGS}")
    list(APPEND args ${extra})
endif()

function(compile_probe probe result output)
    execute_process(COMMAND ${args} -fsyntax-only "${probe}"
                    WORKING_DIRECTORY "${directory}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(${result} "${rc}" PARENT_SCOPE)
    set(${output} "${out}" PARENT_SCOPE)
endfunction()

list(JOIN args " " shown)
message(STATUS "flags of ${TARGET} (from ${source}): ${shown}")

compile_probe("${ALLOWED}" allowed_rc allowed_out)
if(NOT allowed_rc EQUAL 0)
    message(FATAL_ERROR "CheckCoreHasNoQt: the control file ${ALLOWED} does not compile "
                        "with ${TARGET}'s flags, so this check proves nothing:\n${allowed_out}")
endif()

compile_probe("${FORBIDDEN}" forbidden_rc forbidden_out)
if(forbidden_rc EQUAL 0)
    message(FATAL_ERROR "CheckCoreHasNoQt: ${TARGET}'s flags can reach Qt headers: "
                        "${FORBIDDEN} (which includes <${FORBIDDEN_HEADER}>) compiled")
endif()
string(FIND "${forbidden_out}" "${FORBIDDEN_HEADER}" named)
if(named EQUAL -1)
    message(FATAL_ERROR "CheckCoreHasNoQt: ${FORBIDDEN} failed to compile, but not because "
                        "<${FORBIDDEN_HEADER}> is missing:\n${forbidden_out}")
endif()
message(STATUS "${TARGET} cannot include <${FORBIDDEN_HEADER}>; ${ALLOWED} compiles")
