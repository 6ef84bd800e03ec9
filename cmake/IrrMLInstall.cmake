# Installing the components: headers under include/irrML (the folder users
# put on their include path, as they do with the engine's), the static and
# shared libraries, a CMake package (find_package(irrML CONFIG)), a
# pkg-config file, and the demo in bin/. Components of the installation are
# the Debian packages scripts/package.sh makes (see cmake/IrrMLPackage.cmake).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(IRRML_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/irrML)

# Public headers keep their folders, so that they find each other as they do
# in the source tree. Helpers of the components' own sources and the platform
# backends' headers stay private.
set(public_headers
    gui/font/CGUITTFace.h gui/font/CGUITTGlyph.h gui/font/CGUITTFont.h
    gui/editbox/CGUIEditBoxML.h gui/editbox/CGUIEditBoxMLFactory.h
    gui/dialog/CGUIFileOpenDialogML.h
    ime/CIrrInputMethod.h ime/InputMethodPlatform.h)
foreach(header ${public_headers})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/${header}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/irrML/${folder} COMPONENT Development)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/irrML.h.in ${PROJECT_BINARY_DIR}/irrML.h @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/irrML.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/irrML
    COMPONENT Development)

set(static_targets irrml)
set(shared_targets "")
foreach(component ${IRRML_COMPONENTS})
    list(APPEND static_targets irrml_${component})
    if(IRRML_SHARED_LIBRARIES)
        list(APPEND shared_targets irrml_${component}_shared)
    endif()
endforeach()
set_target_properties(irrml PROPERTIES EXPORT_NAME irrMLStatic)
install(TARGETS ${static_targets} EXPORT irrMLTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
if(shared_targets)
    set_target_properties(irrml_shared PROPERTIES EXPORT_NAME irrML)
    install(TARGETS ${shared_targets} irrml_shared EXPORT irrMLTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
            NAMELINK_COMPONENT Development)
endif()
install(EXPORT irrMLTargets NAMESPACE irrML:: DESTINATION ${IRRML_INSTALL_CMAKEDIR}
    COMPONENT Development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/irrMLConfig.cmake.in
    ${PROJECT_BINARY_DIR}/irrMLConfig.cmake INSTALL_DESTINATION ${IRRML_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/irrMLConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
# The engine has no CMake package of its own; ours finds it for our users.
install(FILES ${PROJECT_BINARY_DIR}/irrMLConfig.cmake
    ${PROJECT_BINARY_DIR}/irrMLConfigVersion.cmake ${PROJECT_SOURCE_DIR}/cmake/FindIrrlicht.cmake
    DESTINATION ${IRRML_INSTALL_CMAKEDIR} COMPONENT Development)

if(UNIX)
    # Relative to the file's own place, so that the installation can move.
    file(RELATIVE_PATH IRRML_PC_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/irrml.pc.in ${PROJECT_BINARY_DIR}/irrml.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/irrml.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT Development)
endif()

# Below any other prefix than the system's, the demo finds its libraries from
# its own place.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set_target_properties(multilingual-demo PROPERTIES
        INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
endif()
install(TARGETS multilingual-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Demo)
