# cmake/Win32Program.cmake: flags every Windows program of the suite is built with.
# Small, static, no exceptions or RTTI, and loadable by Windows 98 (PE subsystem 4.0).
set(BEAMSET_WIN32_COMPILE_OPTIONS
  -Os -ffunction-sections -fdata-sections
  -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-asynchronous-unwind-tables)
set(BEAMSET_WIN32_LINK_OPTIONS
  -static -s -Wl,--gc-sections -mwindows
  -Wl,--major-subsystem-version,4,--minor-subsystem-version,0
  -Wl,--major-os-version,4,--minor-os-version,0)

# A windowless or windowed GUI-subsystem program: beamset_win32_program(name src...)
function(beamset_win32_program name)
  add_executable(${name} WIN32 ${ARGN})
  target_compile_options(${name} PRIVATE ${BEAMSET_WIN32_COMPILE_OPTIONS})
  target_link_options(${name} PRIVATE ${BEAMSET_WIN32_LINK_OPTIONS})
endfunction()
