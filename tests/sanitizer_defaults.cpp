// Giac allocates tables at start-up that it never frees; LeakSanitizer
// should report our leaks, not those.
extern "C" const char* __lsan_default_suppressions() { return "leak:libgiac.so\n"; }
