// A library of the test program's own, built beside it: the one a bare-name
// load must no longer find once searches are confined to the system folder.
extern "C" __declspec(dllexport) int LibraryProbe() { return 1; }
