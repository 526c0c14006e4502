# Sourced by the scripts: installs with apt-get whatever a fresh Debian
# machine lacks for building and testing Falvex. Needs root when it installs.
need_packages=()
want() {  # want <command-or-path> <package>
  if [ "${1#/}" != "$1" ]; then
    [ -e "$1" ] && return
  else
    command -v "$1" >/dev/null 2>&1 && return
  fi
  need_packages+=("$2")
}
ensure_build_tools() {
  want cmake cmake
  want make make
  want g++ g++
  want x86_64-w64-mingw32-g++ g++-mingw-w64-x86-64
  want x86_64-w64-mingw32-widl mingw-w64-tools
  want iconv libc-bin
  want python3 python3
}
ensure_test_tools() {
  ensure_build_tools
  want /usr/include/gtest/gtest.h libgtest-dev
  want clang++ clang
  want /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-14-dev
  want zip zip
  ensure_wine_tools
}
ensure_wine_tools() {
  want wine wine
  want /usr/lib/wine/wine64 wine64
  want Xvfb xvfb
  want openbox openbox
  want xdotool xdotool
  want xwininfo x11-utils
  want xmodmap x11-xserver-utils
  want pgrep procps
  want import imagemagick
  want locale-gen locales
  want /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf fonts-ipafont-gothic
}
install_missing() {
  if [ ${#need_packages[@]} -gt 0 ]; then
    echo "installing: ${need_packages[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need_packages[@]}" >/dev/null
    need_packages=()
  fi
  # Wine's ANSI code page is 932 under a Japanese locale.
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}
build_windows() {
  cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win -j2 --target all release
}
