// Giac allocates tables at start-up that it never frees, and fontconfig keeps
// its font cache until the process ends; LeakSanitizer should report our
// leaks, not theirs.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libgiac.so\n"
         "leak:libfontconfig.so\n";
}
