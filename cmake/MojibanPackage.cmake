# Debian packages of the installation's components (scripts/package.sh):
#   libmojiban1        the shared libraries
#   libmojiban-dev     headers, static libraries, CMake package, pkg-config file
#   mojiban-demo       the demo program
# Depends are written out rather than computed: dpkg-shlibdeps cannot know
# the demo's own libraries before they are installed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mojiban)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Mojiban developers <mojiban@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development Demo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(mojiban_runtime_depends
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libirrlicht1.8 (>= 1.8.5), libfreetype6 (>= 2.12), libfontconfig1 (>= 2.14), libx11-6")
set(mojiban_binary_version "${PROJECT_VERSION}")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libmojiban${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${mojiban_runtime_depends}")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
    "TrueType fonts and multilingual text input for the Irrlicht engine (shared libraries)
 FreeType fonts with a glyph cache, edit boxes that take text from the input
 method, and a file-open dialog that shows names in the user's locale.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libmojiban-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "libmojiban${PROJECT_VERSION_MAJOR} (= ${mojiban_binary_version}), libirrlicht-dev (>= 1.8.5), libfreetype-dev, libfontconfig-dev, libx11-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
    "TrueType fonts and multilingual text input for the Irrlicht engine (development files)
 Headers, static libraries, a CMake package (find_package(Mojiban)) and a
 pkg-config file (mojiban).")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME mojiban-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS
    "libmojiban${PROJECT_VERSION_MAJOR} (= ${mojiban_binary_version}), ${mojiban_runtime_depends}, fonts-ipafont-gothic")
set(CPACK_DEBIAN_DEMO_DESCRIPTION
    "Demonstration of Japanese text in the Irrlicht engine's GUI
 multilingual-demo opens a window with two edit boxes that take typed and
 input-method text, a file-open dialog and a log; it reads its font from
 fonts/ipag.ttf below the directory it is started in.")

include(CPack)
