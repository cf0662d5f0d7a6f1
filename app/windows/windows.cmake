# The main window switches its input method off.
target_link_libraries(ThermivoCore PUBLIC imm32)
