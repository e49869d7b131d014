#include "program_arguments.hpp"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // All output goes through std::cout, flushed before each read and before other
    // programs write to the terminal; unsynchronised it is buffered in one piece.
    std::ios::sync_with_stdio(false);
    return orve::cli::run_program({argv + 1, argv + argc}, std::cin, std::cout, std::cerr,
                                  isatty(0) != 0);
}
