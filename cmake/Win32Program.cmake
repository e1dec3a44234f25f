# cmake/Win32Program.cmake: flags every Windows program of the suite is built with, and its manifest.
# Small, static, no exceptions or RTTI, loadable by Windows 95 and NT 4 (PE subsystem 4.0), and the same bytes
# from every build of the same sources (no link time stamp). Without exceptions a failed allocation is a null
# pointer: -fcheck-new keeps a new-expression from constructing on it.
set(BEAMSET_WIN32_COMPILE_OPTIONS
  -Os -ffunction-sections -fdata-sections
  -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-asynchronous-unwind-tables -fcheck-new)
set(BEAMSET_WIN32_LINK_OPTIONS
  -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp
  -Wl,--major-subsystem-version,4,--minor-subsystem-version,0
  -Wl,--major-os-version,4,--minor-os-version,0)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Windows 95 and 98 run on a 486DX: nothing of the Pentium or later (cmov, cpuid, rdtsc, cmpxchg8b, MMX, SSE).
  list(APPEND BEAMSET_WIN32_COMPILE_OPTIONS -march=i486)
  set(BEAMSET_WIN32_ENTRY _WinMainCRTStartup)
else()
  set(BEAMSET_WIN32_ENTRY WinMainCRTStartup)
endif()

# A program of the suite: beamset_win32_program(name [CONSOLE] src...), a GUI-subsystem program unless CONSOLE.
# It starts at our own entry point (cardaccess/win32entry.cpp): the runtime's start-up code is built for a later
# CPU. No C runtime DLL either (cardaccess/win32runtime.cpp). Neither data imported without dllimport nor the
# pseudo-relocations it would need: our entry point processes none, and with these flags such a link fails.
# A link map beside the program names the function each instruction belongs to, for the CPU check.
function(beamset_win32_program name)
  set(subsystem -mwindows)
  set(kind WIN32)
  if(ARGV1 STREQUAL CONSOLE)
    set(subsystem -mconsole)
    set(kind "")
    list(REMOVE_AT ARGN 0)
  endif()
  add_executable(${name} ${kind} ${ARGN} ${PROJECT_SOURCE_DIR}/cardaccess/win32entry.cpp
                 ${PROJECT_SOURCE_DIR}/cardaccess/commandline.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cardaccess)
  target_compile_options(${name} PRIVATE ${BEAMSET_WIN32_COMPILE_OPTIONS})
  target_link_options(${name} PRIVATE ${BEAMSET_WIN32_LINK_OPTIONS} ${subsystem} -nostartfiles -nodefaultlibs
                      -Wl,--disable-auto-import,--disable-runtime-pseudo-reloc
                      -Wl,-e,${BEAMSET_WIN32_ENTRY} -Wl,-Map,$<TARGET_FILE:${name}>.map)
  target_link_libraries(${name} PRIVATE win32runtime)
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

# Signing (scripts/sign-file), when BEAMSET_SIGN_PKCS12 names a certificate as the build is configured. A program
# is signed in place as it is linked, so every check reads what ships. The commands carry the certificate's path
# and the time-stamp server, so naming another, or none, redoes them. The password is read only as the build
# runs: no build file holds it.
set(BEAMSET_SIGN_PKCS12 "$ENV{BEAMSET_SIGN_PKCS12}")
set(BEAMSET_SIGN_ENV "")
set(BEAMSET_SIGN_DEPENDS "")
if(BEAMSET_SIGN_PKCS12)
  if(NOT IS_ABSOLUTE "${BEAMSET_SIGN_PKCS12}" OR NOT EXISTS "${BEAMSET_SIGN_PKCS12}")
    message(FATAL_ERROR "BEAMSET_SIGN_PKCS12 must name a PKCS#12 file by its full path, not '${BEAMSET_SIGN_PKCS12}'")
  endif()
  set(BEAMSET_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/sign-file)
  set(BEAMSET_SIGN_ENV ${CMAKE_COMMAND} -E env BEAMSET_SIGN_PKCS12=${BEAMSET_SIGN_PKCS12}
                       BEAMSET_SIGN_TIMESTAMP=$ENV{BEAMSET_SIGN_TIMESTAMP})
  set(BEAMSET_SIGN_DEPENDS ${BEAMSET_SIGN_PKCS12} ${BEAMSET_SIGN_SCRIPT})
endif()

# A program that ships: beamset_win32_shipped(name), signed when a certificate is given.
function(beamset_win32_shipped name)
  if(BEAMSET_SIGN_PKCS12)
    add_custom_command(TARGET ${name} POST_BUILD COMMAND ${BEAMSET_SIGN_ENV} ${BEAMSET_SIGN_SCRIPT} $<TARGET_FILE:${name}>
                       VERBATIM)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${BEAMSET_SIGN_DEPENDS})
  endif()
endfunction()
