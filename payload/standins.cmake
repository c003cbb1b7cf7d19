# Stand-ins of the product's binaries (payload/standins): two programs and twelve DLLs, built
# without the C runtime, each with its own entry point and only the import libraries it names,
# so that every import table holds exactly the calls its source makes.
set(STANDIN_SOURCE_DIR ${CMAKE_SOURCE_DIR}/payload/standins)
set(STANDIN_OUTPUT_DIR ${CMAKE_BINARY_DIR}/standins)

# CMake would add its default Windows libraries to every C link; the stand-ins are the only C
# targets of this build and list their libraries themselves.
set(CMAKE_C_STANDARD_LIBRARIES "")

# add_standin(<target> <EXE|DLL> <file name> <entry symbol> SOURCES ... [DEFINES ...] LIBS ...)
# The entry symbol is the i686 object name: _name for cdecl, _name@12 for a WINAPI DLL entry.
function(add_standin target kind file_name entry)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "" "SOURCES;DEFINES;LIBS")
  if(kind STREQUAL "EXE")
    add_executable(${target} WIN32 ${arg_SOURCES})
  else()
    # Loaded at run time only: no import library.
    add_library(${target} MODULE ${arg_SOURCES})
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
  target_compile_definitions(${target} PRIVATE ${arg_DEFINES})
  # Without a runtime there is no memcpy/memset for GCC to call in place of a loop.
  target_compile_options(${target} PRIVATE
    "$<$<COMPILE_LANGUAGE:C>:${GBK_TEXT};-Wextra;-fno-tree-loop-distribute-patterns;-fno-asynchronous-unwind-tables>")
  target_link_options(${target} PRIVATE -mwindows -nostdlib -nostartfiles -Wl,-e,${entry}
    -static -static-libgcc -s -Wl,--no-insert-timestamp)
  target_link_libraries(${target} PRIVATE ${arg_LIBS})
  string(REGEX MATCH "^[^.]+" stem "${file_name}")
  string(REGEX MATCH "\\.[^.]+$" extension "${file_name}")
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "${stem}"
    SUFFIX "${extension}" RUNTIME_OUTPUT_DIRECTORY ${STANDIN_OUTPUT_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${STANDIN_OUTPUT_DIR})
endfunction()

add_standin(standin_player EXE player.exe _player_start
  SOURCES ${STANDIN_SOURCE_DIR}/player.c ${STANDIN_SOURCE_DIR}/player.rc
  LIBS kernel32 user32 advapi32)
add_standin(standin_uninstall EXE uninstall.exe _uninstall_start
  SOURCES ${STANDIN_SOURCE_DIR}/uninstall.c ${STANDIN_SOURCE_DIR}/uninstall.rc
  LIBS kernel32 user32 gdi32 winmm winspool advapi32 shell32 ole32 oleaut32 comctl32 ws2_32
    comdlg32)
add_standin(standin_com_run DLL com.run _run_entry@12
  SOURCES ${STANDIN_SOURCE_DIR}/com_run.c ${STANDIN_SOURCE_DIR}/com_run.rc
  LIBS kernel32)

# The support modules: one source and one .rc, told apart by MODULE_<name>.
set(PAYLOAD_STANDIN_TARGETS standin_player standin_uninstall standin_com_run)
set(PAYLOAD_STANDIN_FILES ${STANDIN_OUTPUT_DIR}/player.exe ${STANDIN_OUTPUT_DIR}/uninstall.exe
  ${STANDIN_OUTPUT_DIR}/com.run)
foreach(file_name dp1.fne eAPI.fne EThread.fne HtmlView.fne iext5.fne iext.fnr internet.fne
    krnln.fnr shell.fne shellEx.fne spec.fne)
  string(REGEX MATCH "^[^.]+" stem "${file_name}")
  string(TOLOWER "${stem}" lower)
  string(TOUPPER "${stem}" upper)
  add_standin(standin_${lower} DLL ${file_name} _module_entry@12
    SOURCES ${STANDIN_SOURCE_DIR}/support_module.c ${STANDIN_SOURCE_DIR}/support_module.rc
    DEFINES MODULE_${upper}
    LIBS kernel32)
  list(APPEND PAYLOAD_STANDIN_TARGETS standin_${lower})
  list(APPEND PAYLOAD_STANDIN_FILES ${STANDIN_OUTPUT_DIR}/${file_name})
endforeach()

# windres output depends on the shared version block and the module table it includes.
set_source_files_properties(${STANDIN_SOURCE_DIR}/player.rc ${STANDIN_SOURCE_DIR}/uninstall.rc
  ${STANDIN_SOURCE_DIR}/com_run.rc ${STANDIN_SOURCE_DIR}/support_module.rc PROPERTIES
  OBJECT_DEPENDS "${STANDIN_SOURCE_DIR}/version_block.rci;${STANDIN_SOURCE_DIR}/support_modules.h")
