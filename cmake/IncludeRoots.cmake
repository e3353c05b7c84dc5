# The build itself keeps the layers apart. Sources include "folder/Header.h"
# as seen from the project's root, but no library is given that root: each
# gets a root of its own in the build tree holding links to its own folder
# and to the folders of the layers below it, and nothing else. A platform
# source that includes "interpreter/Log.h" finds no such file there and does
# not build; the same for pages and ai including each other, or anything
# below app including "app/...". Tests, benchmarks and fuzz targets see the
# whole project.
function(zor_include_root target)
  set(root ${PROJECT_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()
