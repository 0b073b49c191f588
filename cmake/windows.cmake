# Windows build: the program, its Windows-side tests and the end-to-end helpers.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601 WINVER=0x0601)

set(windows_libraries comctl32 shell32 gdi32 user32 kernel32)
# One self-contained file, without runtime DLLs of the compiler, with ASLR
# and DEP on; no exceptions, since none may cross a window procedure.
if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  set(no_exceptions /EHs-c- /D_HAS_EXCEPTIONS=0)
  set(windows_link_options /DYNAMICBASE /NXCOMPAT)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND windows_link_options /HIGHENTROPYVA)
  endif()
else()
  # One GUI thread initialises every static, so the guards of thread-safe
  # statics, and the thread library behind them, are not needed.
  set(no_exceptions -fno-exceptions -fno-asynchronous-unwind-tables -fno-threadsafe-statics)
  set(windows_link_options -static -Wl,--dynamicbase -Wl,--nxcompat
      $<$<NOT:$<CONFIG:Debug>>:-s -Wl,--gc-sections>)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-ffunction-sections>
                      $<$<NOT:$<CONFIG:Debug>>:-fdata-sections>)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND windows_link_options -Wl,--high-entropy-va)
  endif()
endif()

# Everything of the program but its entry point, shared with the tests.
add_library(program_core OBJECT
  app/watermark_settings.cpp
  platform/layered/layered_window.cpp
  platform/layered/system_functions.cpp
  resources/tray_icon_data.cpp
  runtime/controls/button.cpp
  runtime/controls/canvas.cpp
  runtime/controls/colour_picker.cpp
  runtime/controls/controls.cpp
  runtime/controls/edit_box.cpp
  runtime/controls/label.cpp
  runtime/forms/events.cpp
  runtime/forms/keyboard.cpp
  runtime/forms/properties.cpp
  runtime/forms/window.cpp
  runtime/loop/fatal.cpp
  runtime/loop/program.cpp
  runtime/picture/background.cpp
  runtime/system/bound_function.cpp
  runtime/system/memory.cpp
  runtime/system/terminate.cpp
  runtime/text/cp936.cpp
  runtime/tray/tray_icon.cpp
  ui/overlay/overlay_form.cpp
  ui/overlay/overlay_handlers.cpp
  ui/overlay/watermark_picture.cpp
  ui/settings/add_command.cpp
  ui/settings/settings_form.cpp
)
target_compile_options(program_core PRIVATE ${no_exceptions})

add_executable(Veltrani WIN32 app/main.cpp resources/app.rc)
target_compile_options(Veltrani PRIVATE ${no_exceptions})
target_link_libraries(Veltrani PRIVATE program_core rules ${windows_libraries})
target_link_options(Veltrani PRIVATE ${windows_link_options})

# The tests need GoogleTest's sources; on Windows point WATERMARK_GTEST_DIR at a copy.
set(WATERMARK_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${WATERMARK_GTEST_DIR}/CMakeLists.txt)
  add_subdirectory(tests/win)
endif()
add_subdirectory(tests/e2e)
add_subdirectory(bench)
