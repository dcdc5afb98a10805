// Writes config.ini and the macro files the program ships with: make_shipped_data RESOURCES_DIR
#include "tools/data/shipped_data.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argv[0]);
        return 1;
    }
    const zantor::Status status = zantor::tools::writeShippedData(argv[1]);
    if (!status) {
        std::fprintf(stderr, "make_shipped_data: %s\n", status.error().message.c_str());
        return 1;
    }
    return 0;
}
