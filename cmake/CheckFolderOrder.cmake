# Run with `cmake -P` (src/CMakeLists.txt runs it at every build that changes
# a source). Reads every #include of the files under SOURCE_DIR and holds the
# room of the including file against the room of the included one, by the
# floors of TABLE: a file may include its own room and the rooms of the floors
# below; an include of a room above, or of another room of the same floor,
# breaks the order. Prints each such include as file:line and fails; on
# success touches STAMP when it is given.
#   cmake -DSOURCE_DIR=src -DTABLE=src/folder-order.txt -P cmake/CheckFolderOrder.cmake
# A file's room is the longest folder of the table that holds it: a file in a
# folder the table does not name fails the check, so a new room is given its
# floor. Includes of files that are not under SOURCE_DIR (the system's, the
# libraries') are not the check's business.
cmake_minimum_required(VERSION 3.25)

foreach(var SOURCE_DIR TABLE)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "CheckFolderOrder: ${var} is not set")
    endif()
endforeach()
get_filename_component(source_dir "${SOURCE_DIR}" ABSOLUTE)
if(NOT IS_DIRECTORY "${source_dir}")
    message(FATAL_ERROR "CheckFolderOrder: ${SOURCE_DIR} is not a folder")
endif()

# The table: one floor a line, the top one first; '#' starts a comment.
file(STRINGS "${TABLE}" table_lines ENCODING UTF-8)
set(rooms "")
set(floor 0)
foreach(line IN LISTS table_lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
        continue()
    endif()
    math(EXPR floor "${floor} + 1")
    string(REGEX REPLACE "[ \t]+" ";" floor_rooms "${line}")
    foreach(room IN LISTS floor_rooms)
        if(room IN_LIST rooms)
            message(FATAL_ERROR "CheckFolderOrder: ${TABLE} names ${room} twice")
        endif()
        list(APPEND rooms "${room}")
        set(floor_of_${room} ${floor})
    endforeach()
endforeach()
if(rooms STREQUAL "")
    message(FATAL_ERROR "CheckFolderOrder: ${TABLE} names no room")
endif()

# The room of a path relative to the source folder: the longest folder of the
# table that holds it, or empty.
function(room_of path result)
    set(best "")
    foreach(room IN LISTS rooms)
        string(LENGTH "${room}" length)
        string(LENGTH "${best}" best_length)
        if(path MATCHES "^${room}/" AND length GREATER best_length)
            set(best "${room}")
        endif()
    endforeach()
    set(${result} "${best}" PARENT_SCOPE)
endfunction()

# The line number of the include line `text`, searched from `from` in
# `content` (the file's text after a line break, so that every line, the first
# one too, starts after one: a comment holding the same words does not match).
function(line_of content text from line_result next_result)
    string(SUBSTRING "${content}" ${from} -1 rest)
    string(FIND "${rest}" "\n${text}" at)
    math(EXPR at "${at} + ${from}")
    string(SUBSTRING "${content}" 0 ${at} before)
    string(REGEX MATCHALL "\n" breaks "${before}")
    list(LENGTH breaks count)
    math(EXPR line "${count} + 1")
    string(LENGTH "${text}" length)
    math(EXPR next "${at} + ${length} + 1")
    set(${line_result} ${line} PARENT_SCOPE)
    set(${next_result} ${next} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${source_dir}" "${source_dir}/*.h" "${source_dir}/*.cpp")
list(SORT sources)
set(breaks "")
set(break_count 0)
foreach(source IN LISTS sources)
    room_of("${source}" room)
    if(room STREQUAL "")
        string(APPEND breaks "${SOURCE_DIR}/${source}: in no room of ${TABLE}: "
                             "give its folder a floor there\n")
        math(EXPR break_count "${break_count} + 1")
        continue()
    endif()
    get_filename_component(folder "${source}" DIRECTORY)
    file(STRINGS "${source_dir}/${source}" includes ENCODING UTF-8
         REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    set(content "")
    set(searched_from 0)
    foreach(include IN LISTS includes)
        if(NOT include MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]")
            continue()  # the rest of a line that a ';' cut in two
        endif()
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*).*" "\\1;\\2" parts
               "${include}")
        list(GET parts 0 bracket)
        list(GET parts 1 included)
        # As the compiler looks: a quoted name beside the file first, then
        # from the source folder (the include path of every target).
        set(target "")
        if(bracket STREQUAL "\"" AND EXISTS "${source_dir}/${folder}/${included}")
            cmake_path(SET target NORMALIZE "${folder}/${included}")
        elseif(EXISTS "${source_dir}/${included}")
            cmake_path(SET target NORMALIZE "${included}")
        endif()
        if(target STREQUAL "" OR target MATCHES "^\\.\\./")
            continue()
        endif()
        room_of("${target}" target_room)
        if(target_room STREQUAL "" OR target_room STREQUAL room)
            continue()
        endif()
        if(floor_of_${target_room} GREATER floor_of_${room})
            continue()
        endif()
        if(floor_of_${target_room} EQUAL floor_of_${room})
            set(why "on the floor of ${room}, not below it")
        else()
            set(why "above ${room}")
        endif()
        if(content STREQUAL "")
            file(READ "${source_dir}/${source}" content)
            string(PREPEND content "\n")
        endif()
        line_of("${content}" "${include}" ${searched_from} line searched_from)
        string(APPEND breaks "${SOURCE_DIR}/${source}:${line}: ${room} includes ${included}: "
                             "${target_room} is ${why}\n")
        math(EXPR break_count "${break_count} + 1")
    endforeach()
endforeach()

if(break_count GREATER 0)
    message("${breaks}")
    message(FATAL_ERROR "${break_count} break(s) of the folder order of ${TABLE} in ${SOURCE_DIR}")
endif()
list(LENGTH sources file_count)
message(STATUS "Folder order kept: ${file_count} files of ${SOURCE_DIR}")
if(DEFINED STAMP AND NOT STAMP STREQUAL "")
    file(TOUCH "${STAMP}")
endif()
