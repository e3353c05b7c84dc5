# Installs the console as a desktop program (executable, launcher, icons,
# AppStream metainfo, manual page, copyright) and packs it as a Debian
# package: `cpack --preset deb` after building the release preset.

set(ZOR_APP_ID io.github.dezeza.ZorConsole)
set(ZOR_PACKAGE_DATA ${PROJECT_SOURCE_DIR}/data/package)
set(ZOR_GENERATED_DATA ${PROJECT_BINARY_DIR}/package)
# The package's version: the project's first three numbers, as its changelog
# has them.
set(ZOR_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
configure_file(${ZOR_PACKAGE_DATA}/zor.1.in ${ZOR_GENERATED_DATA}/zor.1 @ONLY)
configure_file(${ZOR_PACKAGE_DATA}/${ZOR_APP_ID}.metainfo.xml.in
               ${ZOR_GENERATED_DATA}/${ZOR_APP_ID}.metainfo.xml @ONLY)

# Packing installs what is already built; it does not build the tests and
# benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)

# The hicolor theme's PNG sizes, drawn from the one SVG.
set(ZOR_ICON_SIZES 16 22 24 32 48 64 128 256)
set(ZOR_GENERATED_FILES)
foreach(size IN LISTS ZOR_ICON_SIZES)
  set(png ${ZOR_GENERATED_DATA}/icons/${size}x${size}/${ZOR_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZOR_GENERATED_DATA}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
            ${PROJECT_SOURCE_DIR}/data/zor.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/data/zor.svg
    VERBATIM)
  list(APPEND ZOR_GENERATED_FILES ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants the manual page and the changelog compressed, without a time
# stamp in the gzip header.
configure_file(${ZOR_PACKAGE_DATA}/changelog ${ZOR_GENERATED_DATA}/changelog COPYONLY)
foreach(name zor.1 changelog)
  add_custom_command(OUTPUT ${ZOR_GENERATED_DATA}/${name}.gz
    COMMAND ${GZIP} -9nkf ${ZOR_GENERATED_DATA}/${name}
    DEPENDS ${ZOR_GENERATED_DATA}/${name}
    VERBATIM)
  list(APPEND ZOR_GENERATED_FILES ${ZOR_GENERATED_DATA}/${name}.gz)
endforeach()

add_custom_target(zor_package_data DEPENDS ${ZOR_GENERATED_FILES})
add_dependencies(zor zor_package_data)

# Symbols bound at start-up, so the relocation table can be read-only.
target_link_options(zor PRIVATE LINKER:-z,relro,-z,now)
install(TARGETS zor RUNTIME DESTINATION bin)
install(FILES ${ZOR_PACKAGE_DATA}/${ZOR_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${ZOR_GENERATED_DATA}/${ZOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/zor.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${ZOR_APP_ID}.svg)
install(FILES ${ZOR_GENERATED_DATA}/zor.1.gz DESTINATION share/man/man1)
install(FILES ${ZOR_PACKAGE_DATA}/copyright ${ZOR_GENERATED_DATA}/changelog.gz
        DESTINATION share/doc/zor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zor)
set(CPACK_PACKAGE_VERSION ${ZOR_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT "ZOR Console maintainers <maintainers@zor-console.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop command console")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZOR Console (ZOR命令符) is one window with a log and a one-line input box.
Typed commands write into the log, save it as a text file, show, decorate
and convert text files, play MP3 files and switch colour schemes. In AI
mode every line is a question, answered from a question-and-answer file.

An installed console keeps its files in ~/Documents/ZOR.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no shared library names them: the media back-end
# needs the GStreamer plug-ins (plugins-good holds the MP3 decoder).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
