# The build itself keeps the layers apart. Sources include "folder/Header.h"
# as seen from the project's root, but no library is given that root: each
# library's root in the build tree holds links to the headers of its own
# folder only, and reaches its dependents through target_link_libraries. A
# platform source that includes "interpreter/Log.h" finds no such file and
# does not build; the same for pages and ai including each other, for
# anything below app including "app/...", and for the shared app code
# including a front-end's "app/qt/..." or "app/batch/...". Tests,
# benchmarks and fuzz targets see the whole project. Subfolders named after
# the target hold headers of the same library.
function(zor_include_root target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include-roots/${target})
  file(REMOVE_RECURSE ${root})
  foreach(part IN ITEMS . ${ARGN})
    file(MAKE_DIRECTORY ${root}/${folder}/${part})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${part}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${part}/${name} SYMBOLIC)
    endforeach()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
