# The Windows setup program, zor-<version>-win64-setup.exe beside the zip,
# made with NSIS (makensis runs natively) from data/zor-setup.nsi.in with
# the stripped zor.exe and the Windows read-me.
find_program(ZOR_MAKENSIS makensis REQUIRED)

set(ZOR_SETUP_FILE ${PROJECT_BINARY_DIR}/zor-${PROJECT_VERSION}-win64-setup.exe)
set(ZOR_STAGED_EXE ${PROJECT_BINARY_DIR}/setup/zor.exe)
set(ZOR_ICON ${PROJECT_SOURCE_DIR}/app/win32/zor.ico)
set(ZOR_SETUP_README ${PROJECT_BINARY_DIR}/package/README.txt)
configure_file(${PROJECT_SOURCE_DIR}/data/zor-setup.nsi.in ${PROJECT_BINARY_DIR}/setup/zor-setup.nsi
               @ONLY)

add_custom_command(
  OUTPUT ${ZOR_SETUP_FILE}
  COMMAND ${CMAKE_STRIP} -o ${ZOR_STAGED_EXE} $<TARGET_FILE:zor>
  COMMAND ${ZOR_MAKENSIS} -V2 -INPUTCHARSET UTF8 ${PROJECT_BINARY_DIR}/setup/zor-setup.nsi
  DEPENDS zor ${PROJECT_BINARY_DIR}/setup/zor-setup.nsi ${ZOR_ICON} ${ZOR_SETUP_README}
  COMMENT "Making the setup program ${ZOR_SETUP_FILE}"
  VERBATIM)
add_custom_target(zor_setup ALL DEPENDS ${ZOR_SETUP_FILE})
# For the installer test, which is defined before this target.
set_target_properties(zor_setup PROPERTIES SETUP_FILE ${ZOR_SETUP_FILE})
