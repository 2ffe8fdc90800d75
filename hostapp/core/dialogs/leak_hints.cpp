// Text goes through Cairo's font selection, which leaves fontconfig's caches
// allocated for the life of the process; the leak checker of sanitizer builds
// would report them at exit. They are fontconfig's, not ours: the checker is
// told to ignore allocations made inside fontconfig and nothing else.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
