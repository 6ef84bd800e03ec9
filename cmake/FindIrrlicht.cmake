# Debian ships the engine without a CMake or pkg-config file: headers in
# /usr/include/irrlicht, the library as libIrrlicht. The Windows engine that
# scripts/build-windows.sh builds is laid out the same way, as a static
# library.
find_path(Irrlicht_INCLUDE_DIR irrlicht.h PATH_SUFFIXES irrlicht)
find_library(Irrlicht_LIBRARY NAMES Irrlicht)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Irrlicht REQUIRED_VARS Irrlicht_LIBRARY Irrlicht_INCLUDE_DIR)

if(Irrlicht_FOUND AND NOT TARGET Irrlicht::Irrlicht)
    add_library(Irrlicht::Irrlicht UNKNOWN IMPORTED)
    set_target_properties(Irrlicht::Irrlicht PROPERTIES
        IMPORTED_LOCATION "${Irrlicht_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Irrlicht_INCLUDE_DIR}")
    if(WIN32 AND Irrlicht_LIBRARY MATCHES "\\.a$")
        # A static engine exports nothing, and its users must say so; it
        # brings the system libraries of its drivers and its zip reader.
        find_package(ZLIB REQUIRED)
        set_target_properties(Irrlicht::Irrlicht PROPERTIES
            INTERFACE_COMPILE_DEFINITIONS _IRR_STATIC_LIB_
            INTERFACE_LINK_LIBRARIES "gdi32;opengl32;winmm;imm32;d3dx9;ZLIB::ZLIB")
    endif()
endif()
mark_as_advanced(Irrlicht_INCLUDE_DIR Irrlicht_LIBRARY)
