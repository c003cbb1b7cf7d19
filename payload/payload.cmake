# The 18 payload inputs, laid out under ${PAYLOAD_LAYOUT} as they stand in the product folder,
# so that an installed tree can be compared with exactly what was embedded.
set(PAYLOAD_DEFAULT_DIR "${CMAKE_SOURCE_DIR}/payload/files")
set(PAYLOAD_DIR "${PAYLOAD_DEFAULT_DIR}" CACHE PATH
  "Folder holding the 18 product files as they stand in the product folder; the default ships our stand-ins")
set(PAYLOAD_LAYOUT "${CMAKE_BINARY_DIR}/payload")

# In install order; the binaries among them come from payload/standins when the default
# folder is used.
set(PAYLOAD_FILES
  青禾音乐盒.exe 卸载.exe tade/配置文件.ini tade/配置文件教程.ini 使用说明.txt
  青禾音乐盒v2.0版本更新信息.txt com.run dp1.fne eAPI.fne EThread.fne HtmlView.fne iext5.fne
  iext.fnr internet.fne krnln.fnr shell.fne shellEx.fne spec.fne)
set(PAYLOAD_BINARY_INDEXES 0 1 6 7 8 9 10 11 12 13 14 15 16 17)

set(layout_outputs "")
set(layout_targets "")
foreach(index RANGE 17)
  list(GET PAYLOAD_FILES ${index} file)
  set(input "${PAYLOAD_DIR}/${file}")
  set(depends_target "")
  list(FIND PAYLOAD_BINARY_INDEXES ${index} binary_at)
  if(NOT EXISTS "${input}" AND PAYLOAD_DIR STREQUAL PAYLOAD_DEFAULT_DIR AND binary_at GREATER -1)
    list(GET PAYLOAD_STANDIN_FILES ${binary_at} input)
    list(GET PAYLOAD_STANDIN_TARGETS ${binary_at} depends_target)
  elseif(NOT EXISTS "${input}")
    message(FATAL_ERROR "payload input missing: ${input}")
  endif()
  set(output "${PAYLOAD_LAYOUT}/${file}")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E copy "${input}" "${output}"
    DEPENDS "${input}" ${depends_target}
    COMMENT "payload: ${file}" VERBATIM)
  list(APPEND layout_outputs "${output}")
endforeach()

add_custom_target(payload_layout ALL DEPENDS ${layout_outputs})
add_dependencies(installer_core payload_layout)
target_compile_definitions(installer_core PRIVATE PAYLOAD_LAYOUT="${PAYLOAD_LAYOUT}")
set_source_files_properties(${CMAKE_SOURCE_DIR}/payload/payload_store.cpp PROPERTIES
  OBJECT_DEPENDS "${layout_outputs}")
