// Fontconfig keeps its font patterns until the process ends and never frees them, so the
// leak checker would fail every test that lays out text. Only that library is excused.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
