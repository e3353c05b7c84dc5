# The Windows package: zor-<version>-win64.zip with the static zor.exe and a
# short read-me for Windows users (UTF-8 with a byte-order mark, so that
# Notepad shows the Chinese, and CR LF line ends), and the setup program
# with the same two files.
if(NOT TARGET zor)
  return()
endif()

# Who the zip and the uninstall entry name as the publisher.
set(ZOR_PUBLISHER DEZEZA)

file(READ ${PROJECT_SOURCE_DIR}/data/README-win64.txt ZOR_README)
string(REPLACE "@ZOR_VERSION@" "${PROJECT_VERSION}" ZOR_README "${ZOR_README}")
string(REPLACE "\n" "\r\n" ZOR_README "${ZOR_README}")
file(WRITE ${PROJECT_BINARY_DIR}/package/README.txt "${ZOR_README}")

install(TARGETS zor RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zor)
set(CPACK_PACKAGE_VENDOR ${ZOR_PUBLISHER})
set(CPACK_PACKAGE_FILE_NAME zor-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)

include(${CMAKE_CURRENT_LIST_DIR}/Installer.cmake)
