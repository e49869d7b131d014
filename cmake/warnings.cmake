# Warnings for every target of the project; errors when ORVE_WERROR is on (the
# test run turns it on; a first build with a newer compiler need not stop on a
# new warning).
add_library(orve_warnings INTERFACE)
target_compile_options(orve_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(ORVE_WERROR)
  target_compile_options(orve_warnings INTERFACE -Werror)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports -Wrestrict inside libstdc++'s string concatenation at -O3,
  # a known false positive of the compiler.
  target_compile_options(orve_warnings INTERFACE -Wno-restrict)
endif()
