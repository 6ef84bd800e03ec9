#ifndef BENCH_SUPPORT_CALLGRIND_MARKER_H_INCLUDED
#define BENCH_SUPPORT_CALLGRIND_MARKER_H_INCLUDED

//! Keeps a function out of inlining and identical-code folding, so that it
//! stays a call of its own under its own name: scripts/bench.sh --callgrind
//! reads the instructions of exactly that work from callgrind's report.
#define BENCH_MEASURED_WORK __attribute__((noipa))

#endif
