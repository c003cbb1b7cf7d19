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

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
