#include <cstdio>

int main() {
  std::puts("Tallowmere: the converter is being built.");
  return 0;
}
