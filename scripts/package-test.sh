#!/usr/bin/env bash
# Builds the Debian package (Release, into build-pkg/) and tries it on a clean Debian 12:
# installs it with apt into a fresh bookworm chroot, starts the installed program under Xvfb
# and checks that it is still running after three seconds. Needs root (debootstrap, chroot).
# The pristine chroot is kept in build-pkg/bookworm-base and copied for every run; delete
# that folder to make a new one. The last screen is saved as build-pkg/installed-start.png.
# Usage: scripts/package-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

[[ $(id -u) -eq 0 ]] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }

scripts/install-deps.sh build
host_tools=()
for tool in debootstrap:debootstrap dpkg-shlibdeps:dpkg-dev desktop-file-validate:desktop-file-utils \
            convert:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || host_tools+=("${tool#*:}")
done
if [[ ${#host_tools[@]} -gt 0 ]]; then
  echo "Installing: ${host_tools[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${host_tools[@]}"
fi

# --- The package --------------------------------------------------------------------------
build=$repo/build-pkg
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLANE_TESTS=OFF \
  -DPLANE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target plane-intersection -j "$(nproc)"
rm -f "$build"/plane-intersection_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/plane-intersection_*.deb)
[[ -f ${debs[0]} && ${#debs[@]} -eq 1 ]] || { echo "cpack made no single .deb" >&2; exit 1; }
deb=${debs[0]}
echo "Package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || { echo "Depends lacks $needed" >&2; exit 1; }
done
contents=$build/deb-contents
rm -rf "$contents"
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
echo "Desktop entry valid."

# --- A clean bookworm -----------------------------------------------------------------------
# The mirror this machine's apt uses (a line that is not a comment), else Debian's own.
apt_url() {  # the first archive URL ending in /$1
  grep -hvE '^\s*#' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -oE "https?://[^ ]+/$1/?( |\$)" | head -n1 | tr -d ' ' | sed 's:/$::' || true
}
mirror=${PLANE_DEBIAN_MIRROR:-$(apt_url debian)}
mirror=${mirror:-http://deb.debian.org/debian}
security=$(apt_url debian-security)

base=$build/bookworm-base
if [[ ! -e $base/.complete ]]; then
  echo "Making a bookworm chroot from $mirror (once) ..."
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$build/debootstrap.log" 2>&1 || {
    tail -n 30 "$build/debootstrap.log" >&2; exit 1; }
  {
    echo "deb $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [[ -z $security ]] || echo "deb $security bookworm-security main"
  } >"$base/etc/apt/sources.list"
  # Services must not start inside the chroot.
  printf '#!/bin/sh\nexit 101\n' >"$base/usr/sbin/policy-rc.d"
  chmod +x "$base/usr/sbin/policy-rc.d"
  touch "$base/.complete"
fi

root=$build/bookworm-test
mounts=()
cleanup() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount -l "${mounts[i]}" 2>/dev/null || true
  done
}
trap cleanup EXIT
mounted_under() { grep -qF " $1/" /proc/self/mounts; }

if mounted_under "$root"; then
  echo "Something is still mounted under $root; unmount it first." >&2
  exit 1
fi
rm -rf "$root"
cp -a "$base" "$root"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
for fs in proc dev dev/pts; do
  mount --bind "/$fs" "$root/$fs"
  mounts+=("$root/$fs")
done
# Downloads are kept between runs.
mkdir -p "$build/apt-archives/partial"
mount --bind "$build/apt-archives" "$root/var/cache/apt/archives"
mounts+=("$root/var/cache/apt/archives")

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  DEBIAN_FRONTEND=noninteractive "$@"; }

# --- Install, and start ---------------------------------------------------------------------
in_root apt-get update -qq
# shellcheck disable=SC2016  # the format is dpkg-query's, not the shell's
before=$(in_root dpkg-query -W -f '${Package}\n' | sort)
# Without the recommended packages: what the package depends on must be enough.
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" \
  >"$build/apt-install.log" 2>&1 || { tail -n 30 "$build/apt-install.log" >&2; exit 1; }
# shellcheck disable=SC2016
after=$(in_root dpkg-query -W -f '${Package}\n' | sort)
added=$(comm -13 <(echo "$before") <(echo "$after"))
echo "apt installed $(wc -l <<<"$added") packages: $(tr '\n' ' ' <<<"$added")"

# Before anything for the test goes in: every library the program and the X11 plugin load
# resolves, and the captions' font is there.
missing=$(in_root sh -c 'ldd /usr/bin/plane-intersection \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so | grep "not found"' || true)
[[ -z $missing ]] || { echo "Unresolved libraries in the chroot:" >&2; echo "$missing" >&2; exit 1; }
font=$(in_root fc-match -f '%{family}' 'Liberation Sans')
[[ $font == *"Liberation Sans"* ]] || { echo "Liberation Sans missing (fc-match: $font)" >&2; exit 1; }

# The test's own X server.
in_root apt-get install -y -qq --no-install-recommends xvfb >/dev/null
cat >"$root/tmp/start-test.sh" <<'EOF'
set -u
export DISPLAY=:99
rm -f /tmp/Xvfb_screen0
Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp -fbdir /tmp >/tmp/xvfb.log 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -S /tmp/.X11-unix/X99 ] && break; sleep 0.1; done
[ -S /tmp/.X11-unix/X99 ] || { echo "Xvfb did not start"; cat /tmp/xvfb.log; exit 1; }
plane-intersection >/tmp/program.log 2>&1 &
program=$!
sleep 3
status=0
if kill -0 "$program" 2>/dev/null; then
  echo "plane-intersection is running after 3 s."
  cp /tmp/Xvfb_screen0 /tmp/screen.xwd
  kill "$program"
else
  wait "$program"
  echo "plane-intersection ended within 3 s with status $?:"
  status=1
fi
wait "$program" 2>/dev/null
cat /tmp/program.log
kill "$xvfb"
wait "$xvfb" 2>/dev/null
exit "$status"
EOF
in_root /bin/bash /tmp/start-test.sh

# The window must have been drawn: the client area is not one flat colour.
shot=$build/installed-start.png
convert "xwd:$root/tmp/screen.xwd" "$shot"
colours=$(convert "$shot" -crop 803x513+193+181 +repage -format '%k' info:)
[[ $colours -gt 8 ]] || { echo "The window area has only $colours colours: nothing drawn?" >&2; exit 1; }
echo "Screen saved as $shot ($colours colours in the window)."
echo "Package test passed."
