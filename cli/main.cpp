#include "cli/CalcCommand.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        return tallyrin::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tallyrin-calc: " << e.what() << '\n';
        return 1;
    }
}
