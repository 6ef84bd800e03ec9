#!/bin/sh
# Runs one program of a sanitizer build (a test, a fuzzer) with the options
# every such run uses: the first report of any kind ends the process with a
# stack trace and a failing exit code. Only leaks and undefined behaviour of
# the engine and the system's libraries are let through (leaks.supp,
# undefined.supp). Options the caller already set are kept and win.
here=$(cd "$(dirname "$0")" && pwd)
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$here/leaks.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="suppressions=$here/undefined.supp:print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
exec "$@"
