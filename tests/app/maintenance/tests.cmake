# The maintenance tests start the loopback update server themselves (Wine starts Linux programs too); they
# need the interpreter and the script as Linux paths. The real file of the interpreter is used: Wine does
# not wait for a program started through a symbolic link.
find_program(UPDATESERVER_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT UPDATESERVER_PYTHON)
  find_program(UPDATESERVER_PYTHON NAMES python3 REQUIRED)
endif()
file(REAL_PATH "${UPDATESERVER_PYTHON}" updateserver_python)
target_compile_definitions(test_${name} PRIVATE
  UPDATESERVER_PYTHON="${updateserver_python}"
  UPDATESERVER_SCRIPT="${CMAKE_SOURCE_DIR}/tools/updateserver/updateserver.py"
  UPDATESERVER_WORK_ROOT="${CMAKE_BINARY_DIR}/updateserver")
