#!/usr/bin/env bash
# Installs what is missing, builds Kestrova.exe (build/win32) and starts it under Wine from
# its own folder: it reads its puzzle library from "Kestrova.exe" in the current directory.
# Without an X display it runs on a virtual one (xvfb-run) and leaves a screenshot.
#
# run.sh --web [PORT]: builds the page as well (build/web, the static folder build/web/site with
# a copy of that Kestrova.exe) and serves it on http://127.0.0.1:PORT/ (8080 by default) until
# Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh

cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
if [ ! -f build/win32/kestrova-exe.txt ]; then   # written by kestrova_append_library()
    cmake --build build/win32 -j"$(nproc)"
    echo "run.sh: built the Windows tree; it has no Kestrova program yet, so there is nothing to start."
    exit 0
fi
cmake --build build/win32 -j"$(nproc)" --target Kestrova
exe=$(cat build/win32/kestrova-exe.txt)

if [ "${1:-}" = "--web" ]; then
    port=${2:-8080}
    cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        -DKESTROVA_WINDOWS_EXE="$exe" >/dev/null
    cmake --build build/web -j"$(nproc)"
    echo "run.sh: serving build/web/site at http://127.0.0.1:$port/ (Ctrl+C ends it)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi
echo "run.sh: starting $exe"
cd "$(dirname "$exe")"

wine=("$root/cmake/wine-run.sh" --x11 "$root/build/win32/wine-run" Kestrova.exe)
if [ -n "${DISPLAY:-}" ]; then
    exec "${wine[@]}"
fi
shot=$root/build/win32/Kestrova.png
echo "run.sh: no X display: running on a virtual one; screenshot in $shot; Ctrl+C ends it."
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$@" & pid=$!
    for _ in $(seq 100); do xdotool search --name kestrova >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1; import -window root "'"$shot"'" && echo "run.sh: screenshot taken"
    wait $pid' run "${wine[@]}"
