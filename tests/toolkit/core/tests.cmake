# Golden images of the paint tests, copied beside the test programs (bin/golden).
file(GLOB golden_images CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/golden/*.png")
if(golden_images)
  add_custom_command(TARGET test_${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory "${VANTIX_BIN_DIR}/golden"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${golden_images} "${VANTIX_BIN_DIR}/golden/")
endif()
