# Debian packages of the installation's components (scripts/package.sh):
#   libmojiban-<name>1   one per shared library, named after its SONAME
#   libmojiban-dev       headers, static libraries, CMake package, pkg-config file
#   mojiban-demo         the demo program
# Depends are written out rather than computed: dpkg-shlibdeps cannot know
# our own libraries before they are installed. Each library package carries
# its shlibs file and an ldconfig trigger of our own making, so that nothing
# depends on CPack finding the `file` utility.
option(MOJIBAN_DEBIAN_DOCS
    "Install each package's copyright and changelog below share/doc (scripts/package.sh)" OFF)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mojiban)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# CPack puts this summary before every package's own description unless it
# is CPack's default text, and each package has a synopsis of its own.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_CONTACT "Mojiban developers <developers@mojiban.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian/strip.cmake)

set(mojiban_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
set(mojiban_system_depends "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libirrlicht1.8 (>= 1.8.5)")
# What each library needs beyond the C++ runtime and the engine.
set(mojiban_font_depends "libfreetype6 (>= 2.12), libfontconfig1 (>= 2.14)")
set(mojiban_platform_depends "libx11-6")
set(mojiban_debian_dir ${PROJECT_SOURCE_DIR}/cmake/debian)
set(mojiban_control_dir ${PROJECT_BINARY_DIR}/debian-control)

# copyright, changelog.Debian.gz and lintian overrides for package
# <package>, installed with installation component <component>.
function(mojiban_package_docs package component comment)
    if(NOT MOJIBAN_DEBIAN_DOCS)
        return()
    endif()
    set(doc ${PROJECT_BINARY_DIR}/debian-doc/${package})
    set(MOJIBAN_COPYRIGHT_COMMENT "${comment}")
    configure_file(${mojiban_debian_dir}/copyright.in ${doc}/copyright @ONLY)
    # -n keeps the file's name and time out of the archive, so that two
    # builds give the same bytes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
        ${mojiban_debian_dir}/changelog ${mojiban_debian_dir}/copyright.in)
    execute_process(COMMAND gzip -9nc ${mojiban_debian_dir}/changelog
        OUTPUT_FILE ${doc}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${doc}/copyright ${doc}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
    file(WRITE ${doc}/overrides
        "# Not uploaded to Debian: there is no ITP bug for the first entry to close.\n"
        "${package}: initial-upload-closes-no-bugs\n")
    install(FILES ${doc}/overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME ${package} COMPONENT ${component})
endfunction()

set(CPACK_COMPONENTS_ALL Development Demo)
set(dev_depends "")
set(all_libraries "")
foreach(component ${MOJIBAN_COMPONENTS})
    set(package libmojiban-${component}${PROJECT_VERSION_MAJOR})
    string(TOUPPER "lib${component}" var)
    list(APPEND CPACK_COMPONENTS_ALL lib${component})
    list(APPEND all_libraries "${package} (= ${mojiban_version})")

    set(depends "${mojiban_system_depends}")
    if(mojiban_${component}_depends)
        string(APPEND depends ", ${mojiban_${component}_depends}")
    endif()
    foreach(dep ${MOJIBAN_COMPONENT_DEPENDS_${component}})
        string(APPEND depends ", libmojiban-${dep}${PROJECT_VERSION_MAJOR} (= ${mojiban_version})")
    endforeach()

    set(control ${mojiban_control_dir}/${package})
    file(WRITE ${control}/shlibs
        "libmojiban-${component} ${PROJECT_VERSION_MAJOR} ${package} (>= ${PROJECT_VERSION})\n")
    file(WRITE ${control}/triggers "activate-noawait ldconfig\n")

    set(CPACK_DEBIAN_${var}_PACKAGE_NAME ${package})
    set(CPACK_DEBIAN_${var}_PACKAGE_SECTION libs)
    set(CPACK_DEBIAN_${var}_PACKAGE_DEPENDS "${depends}")
    set(CPACK_DEBIAN_${var}_PACKAGE_CONTROL_EXTRA ${control}/shlibs ${control}/triggers)
    mojiban_package_docs(${package} lib${component} "")
endforeach()
set(CPACK_DEBIAN_LIBFONT_DESCRIPTION "FreeType fonts with a glyph cache for Irrlicht GUIs
A font for the Irrlicht engine's GUI drawn from TrueType and OpenType faces
through FreeType, with each glyph rendered once and kept as a texture.")
set(CPACK_DEBIAN_LIBEDITBOX_DESCRIPTION "edit box for Irrlicht GUIs that takes input-method text
An edit box for the Irrlicht engine's GUI that takes typed and input-method
text in any script, with selection, a clipboard in the user's locale, word
wrap, multi-line and password modes.")
set(CPACK_DEBIAN_LIBFILEDIALOG_DESCRIPTION "file-open dialog for Irrlicht GUIs in the user's locale
A file-open dialog for the Irrlicht engine's GUI that shows file and folder
names decoded in the user's locale, Japanese among them.")
set(CPACK_DEBIAN_LIBINPUTMETHOD_DESCRIPTION "input-method pump for Irrlicht programs
The per-frame message pump that takes the place of the Irrlicht device's
own run and turns text committed by the input method (XIM on X11, IMM32 on
Windows) into key events, one for each character.")
set(CPACK_DEBIAN_LIBPLATFORM_DESCRIPTION "window-system layer for Irrlicht input-method text
The layer between the Irrlicht device and the window system that the
Mojiban libraries share: the device's input context and composition, the
clipboard, pointer clicks and the tick clock, on X11 through Xlib.")
set(CPACK_DEBIAN_LIBTEXT_DESCRIPTION "text in the user's locale for Irrlicht programs
Conversion between the user's locale's multibyte text and wide strings,
and directory listings with names decoded in that locale, for the Mojiban
libraries of the Irrlicht engine; needs no window system.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libmojiban-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
list(JOIN all_libraries ", " all_libraries)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${all_libraries}, libirrlicht-dev (>= 1.8.5), libfreetype-dev, libfontconfig-dev, libx11-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "multilingual text for Irrlicht GUIs - development files
Headers, static libraries, a CMake package (find_package(Mojiban)) and a
pkg-config file (mojiban) for the Mojiban libraries: a FreeType font, an
edit box that takes input-method text, a file-open dialog and the
input-method pump for the Irrlicht engine.")
mojiban_package_docs(libmojiban-dev Development "")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME mojiban-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "${all_libraries}, ${mojiban_system_depends}, fonts-ipafont-gothic")
set(CPACK_DEBIAN_DEMO_DESCRIPTION "demonstration of Japanese text in Irrlicht GUIs
multilingual-demo opens a window with two edit boxes that take typed and
input-method text, a file-open dialog and a log; it reads its font from
fonts/ipag.ttf below the directory it is started in.")
mojiban_package_docs(mojiban-demo Demo "
Comment: The demo draws its text with IPA Gothic from fonts-ipafont-gothic,
 which this package depends on and does not contain. That font is under the
 IPA Font License Agreement v1.0: see /usr/share/doc/fonts-ipafont-gothic/copyright.")

include(CPack)
