// What the checked builds' sanitizers do when a test runs: stop at the first report, so the
// test fails, and pass over what the suppression files beside this file name. Each runtime
// asks for its own function; a build without that sanitizer never calls it. Options set in
// the environment still win, for a developer chasing one report.
#define QUILLAX_SUPPRESSIONS(file) "suppressions=" QUILLAX_SANITIZER_FOLDER "/" file

extern "C" {

// intercept_tls_get_addr=0: the leak checker's record of dynamically loaded modules' thread
// storage goes stale once Qt has loaded and unloaded its image plugins, and its tracer then
// crashes at exit reading a module that is gone. The program's own thread storage is still
// scanned.
const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:"
           "intercept_tls_get_addr=0";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

const char* __lsan_default_options() {
    return QUILLAX_SUPPRESSIONS("lsan.supp") ":print_suppressions=0";
}

const char* __tsan_default_options() {
    return QUILLAX_SUPPRESSIONS("tsan.supp") ":halt_on_error=1:second_deadlock_stack=1";
}
}
