#include "Commands.h"
#include "TemporaryFiles.h"

#include <iostream>

int main(int argc, char** argv) {
    TemporaryFiles::RemoveOnTermination();
    return RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
