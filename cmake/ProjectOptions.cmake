# Warnings and sanitizers as interface targets that every target links.
add_library(zor_options INTERFACE)

target_compile_options(zor_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(ZOR_WARNINGS_AS_ERRORS)
  target_compile_options(zor_options INTERFACE -Werror)
endif()

if(ZOR_ENABLE_SANITIZERS)
  target_compile_options(zor_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(zor_options INTERFACE -fsanitize=address,undefined)
endif()

if(ZOR_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (libFuzzer); use the fuzz preset.")
  endif()
  # Coverage for libFuzzer in every library; only the fuzz targets link it.
  target_compile_options(zor_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
