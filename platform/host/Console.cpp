#include "platform/host/Console.h"

#include <iostream>

namespace host {

void Console::error(std::string_view message) {
    std::cerr << "kelvora: " << message << "\n";
}

void Console::note(std::string_view message) {
    std::cout << "kelvora: " << message << "\n";
}

}  // namespace host
