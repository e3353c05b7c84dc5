# Fails, naming each file, where clang-format would change a C++ source.
# Run from anywhere as `cmake -P cmake/CheckFormat.cmake`.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/FormatSources.cmake)
get_filename_component(root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
zor_format_sources(sources ${root})
find_program(CLANG_FORMAT clang-format REQUIRED)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above; run the format target")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted")
