# Host build: the program's logic on the simulated platform, unit tests under sanitizers, and
# the end-to-end tests that drive the Windows build under Wine.
option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra -g)

enable_testing()
find_package(GTest REQUIRED)

add_library(installer_core STATIC ${CORE_SOURCES})
target_include_directories(installer_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(installer_core PRIVATE LICENSE_TEXT_PATH="${CMAKE_SOURCE_DIR}/resources/license.txt")
set_source_files_properties(${CMAKE_SOURCE_DIR}/ui/license_text.cpp PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/license.txt)
target_compile_options(installer_core PRIVATE ${GBK_TEXT} -fno-exceptions)

# The host build embeds the very files the Windows build laid out.
set(PAYLOAD_LAYOUT "${CMAKE_SOURCE_DIR}/build/win32/payload" CACHE PATH
  "Payload layout of the Windows build, embedded into the host build's installer")
set(layout_files "")
foreach(file 青禾音乐盒.exe 卸载.exe tade/配置文件.ini tade/配置文件教程.ini 使用说明.txt
    青禾音乐盒v2.0版本更新信息.txt com.run dp1.fne eAPI.fne EThread.fne HtmlView.fne iext5.fne
    iext.fnr internet.fne krnln.fnr shell.fne shellEx.fne spec.fne)
  if(NOT EXISTS "${PAYLOAD_LAYOUT}/${file}")
    message(FATAL_ERROR "payload layout missing ${PAYLOAD_LAYOUT}/${file}: build the win32 preset first (./dev build)")
  endif()
  list(APPEND layout_files "${PAYLOAD_LAYOUT}/${file}")
endforeach()
target_compile_definitions(installer_core PRIVATE PAYLOAD_LAYOUT="${PAYLOAD_LAYOUT}")
set_source_files_properties(${CMAKE_SOURCE_DIR}/payload/payload_store.cpp PROPERTIES
  OBJECT_DEPENDS "${layout_files}")

file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/sim/*.cpp)
add_library(platform_sim STATIC ${SIM_SOURCES})
target_include_directories(platform_sim PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(platform_sim PRIVATE ${GBK_TEXT})

file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_SOURCES})
target_compile_options(unit_tests PRIVATE ${GBK_TEXT})
target_link_libraries(unit_tests PRIVATE installer_core platform_sim GTest::gtest GTest::gtest_main)
add_test(NAME unit COMMAND unit_tests --gtest_color=no)
set_tests_properties(unit PROPERTIES LABELS unit)

# The shipped inputs: the text stand-ins' line structure, the license's form, and the built
# stand-in programs' kinds, versions, imports and exports.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME payload_texts COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/payload/check_texts.py
  ${CMAKE_SOURCE_DIR}/payload/files)
add_test(NAME license_text COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/resources/check_license.py
  ${CMAKE_SOURCE_DIR}/resources/license.txt)
add_test(NAME payload_standins COMMAND Python3::Interpreter
  ${CMAKE_SOURCE_DIR}/payload/standins/check_standins.py ${CMAKE_SOURCE_DIR}/build/win32/standins)
set_tests_properties(payload_texts license_text payload_standins PROPERTIES LABELS unit)

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
