# AddressSanitizer and UndefinedBehaviorSanitizer when ORVE_SANITIZE is on.
add_library(orve_sanitizers INTERFACE)
if(ORVE_SANITIZE)
  target_compile_options(orve_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(orve_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
