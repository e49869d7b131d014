#include "terminal_app.hpp"

#include <iostream>

int main() { return orve::cli::run_terminal(std::cin, std::cout); }
