// Stands in for the DOS extender runtime that TARN needs, so that a demo
// folder holds every file the front end looks for. It does nothing.
#include <cstdio>

int main() {
  std::printf("RTM stand-in: this is not the DOS extender runtime; it does nothing.\n");
  return 0;
}
