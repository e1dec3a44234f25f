# cmake/Win32Program.cmake: flags every Windows program of the suite is built with, and its manifest.
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

# Embeds the program's manifest: beamset_win32_manifest(name asInvoker|requireAdministrator).
# A declared level keeps Vista and later from redirecting HKLM writes into the virtual store; trustInfo in the
# asm.v2 namespace is the form Windows XP accepts, and Windows 98 reads no manifest. No common-controls 6
# dependency: themed buttons would ignore the pages' white text.
function(beamset_win32_manifest name level)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
  file(CONFIGURE OUTPUT ${manifest} @ONLY CONTENT [=[
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Corvane.Beamset.@name@" version="@PROJECT_VERSION@"/>
  <trustInfo xmlns="urn:schemas-microsoft-com:asm.v2">
    <security>
      <requestedPrivileges>
        <requestedExecutionLevel level="@level@" uiAccess="false"/>
      </requestedPrivileges>
    </security>
  </trustInfo>
</assembly>
]=])
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest.rc)
  file(CONFIGURE OUTPUT ${script} @ONLY CONTENT [=[
#include <windows.h>
CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST "@manifest@"
]=])
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS ${manifest})
  target_sources(${name} PRIVATE ${script})
endfunction()
