# Warnings and sanitizers as interface targets that every target links.
add_library(zor_options INTERFACE)

# MSVC and clang-cl spell their options their own way; GCC, Clang and
# mingw-w64's GCC share theirs.
if(MSVC)
  target_compile_options(zor_options INTERFACE /W4 /permissive- /utf-8)
  if(ZOR_WARNINGS_AS_ERRORS)
    target_compile_options(zor_options INTERFACE /WX)
  endif()
else()
  target_compile_options(zor_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(ZOR_WARNINGS_AS_ERRORS)
    target_compile_options(zor_options INTERFACE -Werror)
  endif()
endif()

if(ZOR_ENABLE_SANITIZERS)
  if(MSVC)
    target_compile_options(zor_options INTERFACE /fsanitize=address)
  else()
    target_compile_options(zor_options INTERFACE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(zor_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

if(WIN32)
  # The system's wide (W) functions throughout, no min and max macros from
  # windows.h in the way of std::min and std::max, the lean windows.h, and
  # Windows 7 as the oldest system the program runs on.
  target_compile_definitions(zor_options INTERFACE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                   _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(ZOR_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (libFuzzer); use the fuzz preset.")
  endif()
  # Coverage for libFuzzer in every library; only the fuzz targets link it.
  target_compile_options(zor_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
