#include "terminal_app.hpp"

#include <iostream>
#include <unistd.h>

int main() {
    return orve::cli::run_terminal(std::cin, std::cout, isatty(0) != 0);
}
