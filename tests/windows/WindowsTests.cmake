# The Windows build and its tests under Wine (label windows): the build
# itself first (scripts/build-windows.sh; seconds once its dependencies are
# cached), then the Windows test programs, each in a private X server and
# Wine prefix, then the Windows demo driven from here.
find_program(MOJIBAN_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT MOJIBAN_MINGW_CXX OR NOT EXISTS /usr/lib/wine/wine64 OR MOJIBAN_SANITIZE)
    message(STATUS "mingw-w64 or Wine missing (or a sanitizer tree): no Windows tests")
    return()
endif()
set(MOJIBAN_WINDOWS_BUILD_DIR "${CMAKE_SOURCE_DIR}/build-windows" CACHE PATH
    "Where scripts/build-windows.sh builds the Windows programs")

add_test(NAME windows_build COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-windows.sh --no-install)
# Alone: with a cold cache it builds the engine on every core.
set_tests_properties(windows_build PROPERTIES LABELS windows FIXTURES_SETUP windows_build
    RUN_SERIAL TRUE TIMEOUT 1800 ENVIRONMENT "MOJIBAN_WINDOWS_BUILD_DIR=${MOJIBAN_WINDOWS_BUILD_DIR}")

foreach(program test_ime_win32 test_text_win32 test_app_win32)
    add_test(NAME windows_${program} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh
        ${MOJIBAN_WINDOWS_BUILD_DIR}/tests/${program}.exe)
    set_tests_properties(windows_${program} PROPERTIES LABELS windows
        FIXTURES_REQUIRED windows_build TIMEOUT 300)
endforeach()

# One program, one Wine prefix: booting one costs seconds.
add_executable(test_windows_demo windows/WindowsDemoTest.cpp windows/WinePrefix.cpp
    ime/server/XInputMethodServer.cpp)
# The prompt it expects is the demo's own text (app/DriverPrompt), so it
# links the demo's code, as the demo's own tests do.
target_link_libraries(test_windows_demo PRIVATE mojiban_test_support mojiban_app
    GTest::gtest_main X11::X11)
target_compile_definitions(test_windows_demo PRIVATE
    MOJIBAN_WINDOWS_DEMO="${MOJIBAN_WINDOWS_BUILD_DIR}/multilingual-demo.exe"
    MOJIBAN_WINDOWS_EXAMPLE="${MOJIBAN_WINDOWS_BUILD_DIR}/tests/rotating-label.exe")
add_test(NAME windows_demo COMMAND test_windows_demo)
set_tests_properties(windows_demo PROPERTIES LABELS windows FIXTURES_REQUIRED windows_build
    TIMEOUT 900)
