# The end-to-end tests' driver: a console program that runs beside setup.exe under Wine.
file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/driver/*.cpp)
add_executable(driver ${E2E_DRIVER_SOURCES})
target_compile_options(driver PRIVATE ${GBK_TEXT} -fno-exceptions -fno-rtti)
set_target_properties(driver PROPERTIES OUTPUT_NAME driver SUFFIX .exe
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
