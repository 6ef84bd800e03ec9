# Test programs of the Windows build. They need the window system, so they
# are not registered here: the Linux tree runs each under Wine in a private
# X server (label windows).
add_executable(test_ime_win32 ime/win32/Win32PumpTest.cpp)
add_executable(test_text_win32 text/win32/Win32DirectoryListingTest.cpp)
add_executable(test_app_win32 app/DriverPromptTest.cpp)
foreach(program test_ime_win32 test_text_win32 test_app_win32)
    target_link_libraries(${program} PRIVATE GTest::gtest_main)
    target_include_directories(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endforeach()
# The demo's code only for the demo's own test; the others, the components.
target_link_libraries(test_ime_win32 PRIVATE mojiban)
target_link_libraries(test_text_win32 PRIVATE mojiban)
target_link_libraries(test_app_win32 PRIVATE mojiban_app)

# The example, whose box draws the composition: a Windows test composes into
# it with a real X input method through Wine.
add_executable(rotating-label ${PROJECT_SOURCE_DIR}/examples/RotatingLabel.cpp)
target_link_libraries(rotating-label PRIVATE mojiban)
target_include_directories(rotating-label PRIVATE ${PROJECT_BINARY_DIR})
