# Sourced by scripts/run and scripts/test: installs the Debian packages the
# build and the tests need. Quick when everything is already there.

packages=(
  cmake ninja-build g++ clang-14 libclang-rt-14-dev googletest pkg-config
  g++-mingw-w64-i686-posix mingw-w64-i686-dev
  libopencore-amrnb-dev libopencore-amrwb-dev libvo-amrwbenc-dev
  libsndfile1-dev libsoxr-dev libjpeg62-turbo-dev
  wine wine32:i386 xvfb xdotool imagemagick
  sox libsox-fmt-all ffmpeg espeak-ng python3 python3-pil
  dpkg-dev devscripts autoconf automake libtool nasm zip unzip
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || echo "$p"
  done
}

# deb-src entries are needed for `apt-get source` of the third-party libraries.
ensure_deb_src() {
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 1
  fi
  local src=/etc/apt/sources.list.d/debian.sources
  if [ -f "$src" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$src" | as_root tee /etc/apt/sources.list.d/converter-deb-src.sources >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/converter-deb-src.list >/dev/null
  fi
  return 0
}

install_deps() {
  local need_update=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    need_update=1
  fi
  ensure_deb_src && need_update=1
  local missing
  missing=$(missing_packages)
  if [ -z "$missing" ] && [ "$need_update" -eq 0 ]; then
    return 0
  fi
  echo "== installing: ${missing//$'\n'/ }" >&2
  as_root apt-get update -qq
  if [ -n "$missing" ]; then
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
}
