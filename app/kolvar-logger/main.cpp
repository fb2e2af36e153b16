// kolvar-logger - writes the temperature log that Kolvar reads, from 1-Wire
// sensors, a board on a serial port or topics on an MQTT broker. Its
// options, configuration and exit statuses are those of its manual page,
// packaging/man/kolvar-logger.1; the program itself is logger/logger_program.h.
#include <iostream>
#include <string>
#include <vector>

#include "logger/logger_program.h"

int main(int argc, char** argv) {
  return kolvar::logger::logger_main(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
