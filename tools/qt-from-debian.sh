# Sourced by tools/windows/build-qt and tools/web/build-qt: the steps both take to build Qt from
# Debian's own qt6-base source into the project's cache folder, outside the work tree.
#   qt_host_version, qt_version   the host's Qt (6.4.2+dfsg-10) and its upstream version (6.4.2)
#   qt_cache                      where the built Qt prefixes and the source are kept
#   qt_key                        reads what a build depends on (options, toolchain, compiler
#                                 version) and prints the short hash that names its prefix
#   qt_cached KIND KEY            sets `prefix` to the cache folder of a Qt for KIND (mingw64,
#                                 wasm) built from KEY; succeeds when that Qt is complete there,
#                                 unpacking a seed of the very same key when one is at hand;
#                                 otherwise clears the stale builds of KIND and fails
#   qt_source                     prints the source tarball's path, downloading it when missing
#   qt_build PREFIX TOOLCHAIN ARGS...
#                                 configures Qt with TOOLCHAIN and ARGS, builds it printing its
#                                 progress every 30 s, installs it into PREFIX and marks it complete
# Messages go to stderr: the caller's standard output is the prefix alone.

project="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The same Qt version as the host's: its moc, rcc and uic generate the cross builds' code.
qt_host_version="$(dpkg-query -W -f='${Version}' libqt6core6)"
qt_version="${qt_host_version%%+*}"
qt_version="${qt_version%%-*}"
qt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/rovororezovered"

say() { echo "$(basename "$0"): $*" >&2; }
qt_started=$SECONDS
elapsed() { local s=$((SECONDS - qt_started)); printf '%d min %02d s' $((s / 60)) $((s % 60)); }

qt_key() {
  { echo "$qt_version"; cat; } | sha256sum | cut -c1-12
}

# Prefixes built elsewhere on a machine of the same kind, packed as qt-VERSION-KIND-KEY.tar.xz
# (the prefix's folder inside): a new machine unpacks one instead of spending half an hour on
# the build. The key names everything the build depends on, so only a seed of the very same key
# is taken; without one, Qt is built as always.
qt_seeds="${DRILL_QT_SEEDS:-$project/../shared/cache}"

qt_cached() {
  local kind="$1" key="$2"
  prefix="$qt_cache/qt-$qt_version-$kind-$key"
  [ -f "$prefix/.complete" ] && return 0
  local seed="$qt_seeds/$(basename "$prefix").tar.xz"
  if [ -f "$seed" ]; then
    say "unpacking the seed $seed"
    rm -rf "$prefix"
    mkdir -p "$qt_cache"
    if tar -xJf "$seed" -C "$qt_cache" && [ -f "$prefix/.complete" ]; then
      return 0
    fi
    say "the seed did not unpack whole: Qt is built instead"
  fi
  # A Qt of other options or another toolchain is stale: the one to be built replaces it.
  rm -rf "$qt_cache"/qt-"$qt_version"-"$kind"-*
  mkdir -p "$prefix"
  return 1
}

# Debian's source package of the host's exact version, from the archive the machine already
# uses: a deb-src entry beside each deb entry of its sources.
qt_source_list=/etc/apt/sources.list.d/rovororezovered-deb-src.sources

# deb-src entries for the archives of the machine's deb entries, in the deb822 form: from the
# .sources files (Debian 12's own layout) and from the one-line lists of a machine upgraded from
# an older release (/etc/apt/sources.list and *.list).
qt_source_entries() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$qt_source_list" ] || continue
    sed -n '/^Types:/s/.*/Types: deb-src/p; /^Types:/!p' "$f"
    echo
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    # deb [options] URI SUITE COMPONENTS...
    sed -nE 's/^[[:space:]]*deb[[:space:]]+(\[([^]]*)\][[:space:]]+)?([^[:space:]]+)[[:space:]]+([^[:space:]]+)[[:space:]]+(.*)$/\2|\3|\4|\5/p' "$f" |
      while IFS='|' read -r opts uri suite components; do
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$uri" "$suite" "$components"
        if [[ "$opts" =~ signed-by=([^[:space:]]+) ]]; then
          printf 'Signed-By: %s\n' "${BASH_REMATCH[1]}"
        fi
        echo
      done
  done
}

qt_source() {
  local src="$qt_cache/src"
  local orig="$src/qt6-base_${qt_host_version%-*}.orig.tar.xz"
  mkdir -p "$src"
  if [ ! -f "$orig" ]; then
    local list="$qt_source_list"
    local sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    if [ ! -f "$list" ]; then
      say "adding Debian's source archive ($list)"
      qt_source_entries | "${sudo_cmd[@]}" tee "$list" >/dev/null
      "${sudo_cmd[@]}" apt-get update -qq
    fi
    say "downloading Debian's qt6-base $qt_host_version source"
    (cd "$src" && apt-get source --download-only -qq "qt6-base=$qt_host_version") >&2
  fi
  echo "$orig"
}

qt_build() {
  local prefix="$1" toolchain="$2"
  shift 2
  local orig work tree
  orig="$(qt_source)"
  work="$qt_cache/build-$(basename "$prefix")"
  rm -rf "$work"
  mkdir -p "$work" "$prefix"
  say "unpacking $(basename "$orig")"
  tar -xJf "$orig" -C "$work"
  tree="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qtbase*' | head -1)"

  say "configuring Qt $qt_version ($(elapsed) so far)"
  cmake -G Ninja -S "$tree" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "$@" >"$work/configure.log" 2>&1 || {
    tail -40 "$work/configure.log" >&2; say "configure failed: $work/configure.log"; return 1; }

  say "building ($(elapsed) so far)"
  local last=0
  if ! ninja -C "$work/build" -j2 2>&1 | tee "$work/build.log" | while IFS= read -r line; do
    if [[ "$line" =~ ^\[([0-9]+)/([0-9]+)\] ]] && ((SECONDS - last >= 30)); then
      last=$SECONDS
      say "step ${BASH_REMATCH[1]} of ${BASH_REMATCH[2]}, $(elapsed) so far"
    fi
  done; then
    grep -A20 'FAILED' "$work/build.log" | head -60 >&2
    say "build failed: $work/build.log"
    return 1
  fi

  say "installing into $prefix"
  cmake --install "$work/build" >"$work/install.log"
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_it.qm "$prefix/translations/"
  touch "$prefix/.complete"
  rm -rf "$work"
  say "Qt $qt_version built in $(elapsed): $prefix ($(du -sh "$prefix" | cut -f1))"
}
