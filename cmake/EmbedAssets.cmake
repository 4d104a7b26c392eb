# Turns every file of a folder into a byte array of one generated source, so the native tests
# and the Windows program embed exactly the same bytes.
function(velmora_embed_assets input_dir output_file)
  file(GLOB asset_files CONFIGURE_DEPENDS ${input_dir}/*)
  add_custom_command(
    OUTPUT ${output_file}
    COMMAND ${CMAKE_COMMAND} -DINPUT_DIR=${input_dir} -DOUTPUT_FILE=${output_file}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_files.cmake
    DEPENDS ${asset_files} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_files.cmake
    COMMENT "Embedding the files of assets/files"
    VERBATIM)
endfunction()
