# Compiler settings for the project's own code (third-party sources keep their own warnings).
function(vantix_own_code target)
  target_compile_options(${target} PRIVATE -Wall -Wextra
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
endfunction()
