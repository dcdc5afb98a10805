#include "cli/commands.h"

#include <iostream>

int main(int argc, char** argv) {
    return zantor::cli::runZantorctl(zantor::cli::Arguments(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
