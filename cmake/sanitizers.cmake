# Instrumentation of every target that links orve_sanitizers (the core does,
# publicly): AddressSanitizer and UndefinedBehaviorSanitizer when ORVE_SANITIZE
# is on; with ORVE_FUZZ also libFuzzer's coverage feedback, so the fuzz target
# sees the reader's branches and not only its own entry point.
add_library(orve_sanitizers INTERFACE)
if(ORVE_SANITIZE OR ORVE_FUZZ)
  set(orve_sanitize_flags -fsanitize=address,undefined)
  if(ORVE_FUZZ)
    set(orve_sanitize_flags -fsanitize=fuzzer-no-link,address,undefined)
  endif()
  target_compile_options(orve_sanitizers INTERFACE
    ${orve_sanitize_flags} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(orve_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
