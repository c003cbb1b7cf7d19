# The benchmark's Windows programs, built beside its variant of setup.exe: the two reference
# programs the installer is measured against, and the driver that times both under Wine.
set(BENCH_DIR ${CMAKE_SOURCE_DIR}/bench)

function(bench_program target kind)
  add_executable(${target} ${kind} ${ARGN})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${GBK_TEXT} -fno-exceptions -fno-rtti)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${target} SUFFIX .exe
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

# The install plan's texts and the embedded payload come from installer_core itself, so the
# reference writes the very bytes setup.exe writes, from the same kind of read-only data.
bench_program(ref_install WIN32 ${BENCH_DIR}/ref_install.cpp)
target_link_libraries(ref_install PRIVATE installer_core ole32 shell32 uuid)

bench_program(ref_window WIN32 ${BENCH_DIR}/ref_window.cpp)

bench_program(bench_driver "" ${BENCH_DIR}/driver.cpp ${BENCH_DIR}/driver_windows.cpp
  ${BENCH_DIR}/driver_clock.cpp)
target_link_libraries(bench_driver PRIVATE shell32)

# What the static link pulls into setup.exe, for reading when the stub grows.
target_link_options(setup PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/setup.map)
