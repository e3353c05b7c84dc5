# Tests of the Windows build run under Wine: one prefix inside the build
# folder, a Chinese locale (so that Wine's ANSI code page is 936), no debug
# chatter, and no offer to install Mono or Gecko when the prefix is made.
# One wine server is kept running for all the tests, so that each test does
# not pay for starting it.
if(NOT ZOR_WINE)
  message(FATAL_ERROR "The Windows tests need Wine (wine, wine64)")
endif()
find_program(ZOR_WINESERVER wineserver REQUIRED)

set(ZOR_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
set(ZOR_WINE_ENVIRONMENT
    WINEPREFIX=${ZOR_WINE_PREFIX} WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
    WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${ZOR_WINE_ENVIRONMENT} ${ZOR_WINE})

# A server that listing the tests started may still be there: it ends on
# its own once its last program has ended. The persistent server and the
# services that wineboot starts under it stay in the background, so they
# must not hold on to the test's output, or the test would not end.
add_test(NAME wine.StartServer
         COMMAND env ${ZOR_WINE_ENVIRONMENT} sh -c
                 "exec </dev/null >/dev/null 2>&1; \"$0\" --wait; \"$0\" --persistent && \"$1\" wineboot"
                 ${ZOR_WINESERVER} ${ZOR_WINE})
add_test(NAME wine.StopServer COMMAND env ${ZOR_WINE_ENVIRONMENT} ${ZOR_WINESERVER} --kill)
set_tests_properties(wine.StartServer PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.StopServer PROPERTIES FIXTURES_CLEANUP wine)
