# Warnings as errors for every target of the project.
add_library(orve_warnings INTERFACE)
target_compile_options(orve_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
