// makedoc.exe: converts a text file into a PalmDOC database; started by the generate dialog.

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "converter.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return qb::makedoc::RunConverter(args, std::cout, std::cerr, std::chrono::system_clock::now());
}
