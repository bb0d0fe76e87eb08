# Release packages, made by the `package` target of a build:
#   cmake --build --preset win32 --target package   dova-setup-<version>-win32.zip
#   cmake --build --preset native --target package  dova-setup-<version>-linux-<arch>.tar.gz
# The Windows zip holds dova-setup.exe, a short Chinese read-me and, when
# -DDOVA_RELEASE_ARCHIVE=path/to/DUVOVAV.DAT is given, the archive to ship beside it.
# Programs are stripped when packed.

set(DOVA_RELEASE_ARCHIVE "" CACHE FILEPATH "A DUVOVAV.DAT to ship in the Windows zip")

if(WIN32)
  install(TARGETS dova-setup RUNTIME DESTINATION . COMPONENT release)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/release/README.txt DESTINATION . COMPONENT release)
  if(DOVA_RELEASE_ARCHIVE)
    install(FILES ${DOVA_RELEASE_ARCHIVE} DESTINATION . RENAME DUVOVAV.DAT COMPONENT release)
  endif()
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
  else()
    set(CPACK_SYSTEM_NAME win32)
  endif()
else()
  install(TARGETS dova-setup dova-pack RUNTIME DESTINATION bin COMPONENT release)
  install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/dova-setup COMPONENT release)
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "linux-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
endif()

set(CPACK_PACKAGE_NAME dova-setup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "DOVA setup developers")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL release)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
