# The C++ sources that clang-format keeps in shape: read by the build's
# `format` target and by `cmake -P cmake/CheckFormat.cmake`, so that one list
# serves both, with or without a git checkout.
function(zor_format_sources out root)
  set(patterns)
  foreach(dir app interpreter ai pages platform tests bench)
    list(APPEND patterns ${root}/${dir}/*.cpp ${root}/${dir}/*.h)
  endforeach()
  # A configured build globs again when a file comes or goes.
  if(CMAKE_SCRIPT_MODE_FILE)
    file(GLOB_RECURSE sources ${patterns})
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  endif()
  list(SORT sources)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
