// Fontconfig keeps the fallback fonts it looked up (for text that is not ASCII) until the process
// ends. Freeing them is not ours to do, so the leak checker of sanitizer builds passes over them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
