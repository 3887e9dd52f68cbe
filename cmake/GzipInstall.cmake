include_guard(GLOBAL)

# brindlewick_install_gzipped(<source> <destination folder>)
# Installs a file compressed the way Debian wants documentation and manual pages: gzip -9
# without the time stamp, so that two builds give the same bytes.
function(brindlewick_install_gzipped source destination)
  get_filename_component(name "${source}" NAME)
  file(RELATIVE_PATH key "${CMAKE_SOURCE_DIR}" "${source}")
  string(MAKE_C_IDENTIFIER "${key}" key)
  set(output "${CMAKE_BINARY_DIR}/gzipped/${key}/${name}.gz")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/gzipped/${key}"
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh "${source}" "${output}"
    DEPENDS "${source}"
    VERBATIM)
  add_custom_target(gzip_${key} ALL DEPENDS "${output}")
  install(FILES "${output}" DESTINATION "${destination}")
endfunction()
