# Windows build: one 32-bit GUI executable with a static runtime and no companions.
enable_language(RC)
# The .rc sources are UTF-8 (code page 65001); the files they embed lie beside them.
string(APPEND CMAKE_RC_FLAGS " -c 65001 -I ${CMAKE_SOURCE_DIR}/resources")
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Os> $<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections> $<$<COMPILE_LANGUAGE:C,CXX>:-fdata-sections> $<$<COMPILE_LANGUAGE:C,CXX>:-Wall>)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s)
# The program's own code: no exceptions, so no unwind tables either.
set(PROGRAM_CODE_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables)

add_library(installer_core STATIC ${CORE_SOURCES})
target_include_directories(installer_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(installer_core PRIVATE LICENSE_TEXT_PATH="${CMAKE_SOURCE_DIR}/resources/license.txt")
set_source_files_properties(${CMAKE_SOURCE_DIR}/ui/license_text.cpp PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/license.txt)
target_compile_options(installer_core PRIVATE ${GBK_TEXT} ${PROGRAM_CODE_FLAGS})

# The stand-ins of the product's binaries, then the payload the installer embeds.
include(${CMAKE_SOURCE_DIR}/payload/standins.cmake)
include(${CMAKE_SOURCE_DIR}/payload/payload.cmake)

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
file(GLOB WIN32_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
file(GLOB WIN32_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.dib
  ${CMAKE_SOURCE_DIR}/resources/*.bmp ${CMAKE_SOURCE_DIR}/resources/*.ico
  ${CMAKE_SOURCE_DIR}/resources/*.manifest)
set_source_files_properties(${WIN32_RESOURCES} PROPERTIES OBJECT_DEPENDS "${WIN32_RESOURCE_INPUTS}")
add_executable(setup WIN32 ${WIN32_SOURCES} ${WIN32_RESOURCES})
target_include_directories(setup PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(setup PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${GBK_TEXT};${PROGRAM_CODE_FLAGS}>")
target_link_libraries(setup PRIVATE installer_core ole32 shell32 comctl32)
# Wine maps only the sections whose data starts on a page of the file and reads the others at
# every start: the 4.7 MB payload whenever its offset happens to fall off a page.
target_link_options(setup PRIVATE -Wl,--file-alignment=4096)
# Our own entry (platform/win32/entry.cpp) instead of the C runtime's start-up code. Without
# that code nothing would apply runtime pseudo-relocations, so auto-imported data must fail
# the link rather than the start.
target_link_options(setup PRIVATE -nostartfiles -Wl,-e,_SetupEntry -Wl,--disable-auto-import)
set_target_properties(setup PROPERTIES OUTPUT_NAME setup SUFFIX .exe
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/win32.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/win32.cmake)
endif()

# The benchmark's reference programs and timing driver (./dev bench), only where asked for.
option(BENCH "Also build the benchmark's reference programs and driver" OFF)
if(BENCH AND EXISTS ${CMAKE_SOURCE_DIR}/bench/win32.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/win32.cmake)
endif()
