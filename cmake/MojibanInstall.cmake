# Installing the components: headers under include/mojiban (the folder users
# put on their include path, as they do with the engine's), the static and
# shared libraries, a CMake package (find_package(Mojiban CONFIG)), a
# pkg-config file, and the demo in bin/. Components of the installation are
# the Debian packages scripts/package.sh makes (see cmake/MojibanPackage.cmake).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(MOJIBAN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Mojiban)

# Public headers keep their folders, so that they find each other as they do
# in the source tree. Helpers of the components' own sources and the platform
# backends' headers stay private.
set(public_headers
    gui/font/CGUITTFace.h gui/font/CGUITTGlyph.h gui/font/CGUITTFallbackFace.h
    gui/font/CGUITTFont.h gui/font/SystemFonts.h
    gui/editbox/CGUIEditBoxML.h gui/editbox/CGUIEditBoxMLFactory.h
    gui/dialog/CGUIFileOpenDialogML.h
    ime/CIrrInputMethod.h platform/InputMethodPlatform.h)
foreach(header ${public_headers})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/${header}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/mojiban/${folder} COMPONENT Development)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/mojiban.h.in ${PROJECT_BINARY_DIR}/mojiban.h @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/mojiban.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/mojiban
    COMPONENT Development)

set(static_targets mojiban)
foreach(component ${MOJIBAN_COMPONENTS})
    list(APPEND static_targets mojiban_${component})
endforeach()
set_target_properties(mojiban PROPERTIES EXPORT_NAME MojibanStatic)
install(TARGETS ${static_targets} EXPORT MojibanTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
# Each shared library is an installation component of its own (lib<name>),
# so that each becomes the Debian package named after its SONAME.
if(MOJIBAN_SHARED_LIBRARIES)
    set_target_properties(mojiban_shared PROPERTIES EXPORT_NAME Mojiban)
    foreach(component ${MOJIBAN_COMPONENTS})
        # Below any other prefix than the system's, a library finds the ones
        # it needs beside itself: a program's run path does not reach a
        # library that only another library needs (the platform layer's text
        # helpers, for a program that uses none of them).
        if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
            set_target_properties(mojiban_${component}_shared PROPERTIES INSTALL_RPATH "$ORIGIN")
        endif()
        install(TARGETS mojiban_${component}_shared EXPORT MojibanTargets
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT lib${component}
                NAMELINK_COMPONENT Development)
    endforeach()
    install(TARGETS mojiban_shared EXPORT MojibanTargets COMPONENT Development)
endif()
install(EXPORT MojibanTargets NAMESPACE Mojiban:: DESTINATION ${MOJIBAN_INSTALL_CMAKEDIR}
    COMPONENT Development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/MojibanConfig.cmake.in
    ${PROJECT_BINARY_DIR}/MojibanConfig.cmake INSTALL_DESTINATION ${MOJIBAN_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/MojibanConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
# The engine has no CMake package of its own; ours finds it for our users.
install(FILES ${PROJECT_BINARY_DIR}/MojibanConfig.cmake
    ${PROJECT_BINARY_DIR}/MojibanConfigVersion.cmake ${PROJECT_SOURCE_DIR}/cmake/FindIrrlicht.cmake
    DESTINATION ${MOJIBAN_INSTALL_CMAKEDIR} COMPONENT Development)

if(UNIX)
    # Relative to the file's own place, so that the installation can move.
    file(RELATIVE_PATH MOJIBAN_PC_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/mojiban.pc.in ${PROJECT_BINARY_DIR}/mojiban.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/mojiban.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT Development)
endif()

# Below any other prefix than the system's, the demo finds its libraries from
# its own place.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set_target_properties(multilingual-demo PROPERTIES
        INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
endif()
install(TARGETS multilingual-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Demo)
# Compressed with -n, so that two builds give the same bytes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/docs/man/multilingual-demo.1)
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/docs/man/multilingual-demo.1
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/multilingual-demo.1.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/multilingual-demo.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Demo)
