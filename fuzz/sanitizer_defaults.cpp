// LeakSanitizer settings for the fuzz programs and corpus runners. Giac keeps
// tables and caches it never frees, and many of them are GMP numbers: with the
// fast unwinder the stack of such an allocation ends inside libgmp, before it
// reaches libgiac (checked with fast_unwind_on_malloc=0: every one of them is
// Giac's). Our code never calls GMP itself, so both libraries are left out.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libgiac.so\n"
         "leak:libgmp.so\n";
}
