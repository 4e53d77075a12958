// The floor of checking one job: a bare C++ program that reads the same file and says how
// long it is. bench/startup_ratio.py times `traxen-cli check` of one job against it.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::cout << argv[1] << " " << text.size() << "\n";
  return in.bad() ? 2 : 0;
}
