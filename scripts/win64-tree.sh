# Sourced by the scripts that build the Windows program: the one way they
# configure it. The tests, scripts/run.sh and scripts/release.sh build it as
# it is released (optimised, stripped, no path or time of this machine in
# it), so the tests run what ships and the release's compiles are the tests'
# own, found again in the compiler cache.
#   source scripts/win64-tree.sh; cmake -S "$TQ_ROOT" -B DIR -G Ninja "${TQ_WIN64_CMAKE_ARGS[@]}"
TQ_ROOT=${TQ_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
TQ_WIN64_CMAKE_ARGS=(-DCMAKE_TOOLCHAIN_FILE="$TQ_ROOT/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release -DTQ_RELEASE=ON)
