#!/usr/bin/env bash
# Every installed header stands alone: installs the build tree into a
# temporary prefix and builds, against the installed CMake package, one
# program in which each installed header is the first include of a
# translation unit of its own. Built as C++11 (the standard the exported
# targets promise) with -Wall -Wextra -Werror, so that a header that needs
# another first, needs a newer standard, warns or drags in a header that is
# not installed fails.
#   tests/install/check-headers.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-headers.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
include="$work/prefix/include/mojiban"
mkdir -p "$work/src"
count=0
while read -r header; do
    count=$((count + 1))
    printf '#include <%s>\n' "$header" >"$work/src/unit$count.cpp"
done < <(cd "$include" && find . -name '*.h' | sed 's|^\./||' | sort)
[ "$count" -gt 0 ] || { echo "no headers installed below $include"; exit 1; }
echo 'int main() { return 0; }' >"$work/src/main.cpp"

cat >"$work/src/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(mojiban-headers LANGUAGES CXX)
find_package(Mojiban 1 CONFIG REQUIRED)
file(GLOB units *.cpp)
add_executable(headers ${units})
# Warnings count in our headers, so the package's include folders are not
# taken as system folders; the engine's headers are not -Wextra clean and
# stay system headers.
set_target_properties(headers PROPERTIES CXX_STANDARD 11 CXX_EXTENSIONS OFF
    NO_SYSTEM_FROM_IMPORTED ON)
target_include_directories(headers SYSTEM PRIVATE ${Irrlicht_INCLUDE_DIR})
target_compile_options(headers PRIVATE -Wall -Wextra -Werror)
target_link_libraries(headers PRIVATE Mojiban::Mojiban)
CMAKE
cmake -S "$work/src" -B "$work/out" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/out" -j"$(nproc)" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
echo "$count installed headers stand alone as C++11"
