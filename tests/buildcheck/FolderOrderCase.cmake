# Run with `cmake -P` (see CMakeLists.txt). Runs the folder order check
# (CHECK) over the sample tree of CASE_DIR with its table: the check must fail,
# report exactly the lines of CASE_DIR/expected.txt, and count them.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=tree -DTABLE=table.txt -P ${CHECK}
                WORKING_DIRECTORY ${CASE_DIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc EQUAL 0)
    message(FATAL_ERROR "the check passed a tree that breaks the folder order:\n${out}")
endif()

string(REGEX MATCHALL "tree/[^\n]*\n" reported "${out}")
list(JOIN reported "" reported)
file(READ ${CASE_DIR}/expected.txt expected)
if(NOT reported STREQUAL expected)
    message(FATAL_ERROR "reported:\n${reported}\nexpected:\n${expected}\nwhole output:\n${out}")
endif()
string(REGEX MATCHALL "\n" lines "${expected}")
list(LENGTH lines count)
string(REGEX REPLACE "[ \n]+" " " out_joined "${out}")
if(NOT out_joined MATCHES " ${count} break\\(s\\) of the folder order ")
    message(FATAL_ERROR "the check did not count ${count} breaks:\n${out}")
endif()
message(STATUS "${count} breaks reported, as expected")
