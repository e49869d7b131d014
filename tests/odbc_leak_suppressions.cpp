// The SQLite ODBC driver keeps a few blocks from each connection until the
// process ends. The leak checker of the sanitized build is told to ignore
// leaks allocated inside the driver, and only those; it needs whole stacks
// (the driver has no frame pointers) to see where a block came from.
extern "C" const char* __asan_default_options();
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libsqlite3odbc\n";
}
