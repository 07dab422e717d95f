#!/usr/bin/env bash
# Builds the Debian package, checks it (lintian, AppStream, desktop entry), installs it with
# apt-get and runs the installed program as an ordinary user on a virtual screen: the first
# start copies the sample database and asks for it, the sign-in window appears and the guest
# signs in. Needs root or sudo (it installs the package and adds the user brindel-eleve).
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
pupil=brindel-eleve
display=:97

build_dir=$(bash scripts/build.sh --release | tail -n 1)
rm -f "$build_dir"/brindel_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/brindel_*.deb)
echo "package-test: built $deb"

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
appstreamcli validate --no-net packaging/fr.valimor.brindel.metainfo.xml
desktop-file-validate packaging/fr.valimor.brindel.desktop

"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
  --allow-downgrades --reinstall "$(realpath "$deb")" </dev/null >/dev/null
test -x /usr/bin/brindel

id "$pupil" >/dev/null 2>&1 || "${sudo_cmd[@]}" useradd --create-home "$pupil"
home=$(getent passwd "$pupil" | cut -d: -f6)
scratch=$(mktemp -d)
chmod 755 "$scratch"
report="$scratch/report"
run_dir="$scratch/run"
mkdir -p "$run_dir"
"${sudo_cmd[@]}" chown "$pupil" "$run_dir"
chmod 700 "$run_dir"
touch "$report" && chmod 666 "$report"
# A first start: the pupil's own settings and data are new.
"${sudo_cmd[@]}" rm -rf "$home/.config/VALIMOR Brindel" "$home/.local/share/VALIMOR Brindel"

Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -ac -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  "${sudo_cmd[@]}" pkill -u "$pupil" -x brindel 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"${sudo_cmd[@]}" runuser -u "$pupil" -- env -i HOME="$home" DISPLAY="$display" \
  XDG_RUNTIME_DIR="$run_dir" LANG=C.UTF-8 BRINDEL_STARTUP_REPORT="$report" \
  /usr/bin/brindel >"$scratch/out" 2>&1 &

wait_for() { # <seconds> <command...>: repeats the command until it succeeds
  local limit=$(($1 * 10))
  shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# The file dialog of the first start opens on the pupil's copy: accepting it keeps that copy.
dialog_shown() { xdotool search --name "DbBrin.mdb" >/dev/null 2>&1; }
if ! wait_for 60 dialog_shown; then
  echo "package-test: the database dialog did not appear" >&2
  cat "$scratch/out" >&2
  exit 1
fi
sleep 1
xdotool search --name "DbBrin.mdb" windowfocus --sync key Return
has_report() { grep -q startup_ms= "$report"; }
wait_for 60 has_report || { echo "package-test: no sign-in window" >&2; cat "$scratch/out" >&2; exit 1; }
echo "package-test: $(cat "$report")"
test -f "$home/.local/share/VALIMOR Brindel/DbBrin.mdb"

# The guest, as a child signs in on this 1024 x 768 screen: "Tous les groupes" in the group
# list, "Invité" in the pupil list, the password in its box, then "Départ".
sleep 1
xdotool mousemove 500 290 click 1
sleep 0.5
xdotool mousemove 200 260 click 1
sleep 0.5
xdotool mousemove 320 628 click 1
xdotool type --delay 50 123
xdotool mousemove 455 627 click 1
signed_in() { grep -q "signed_in=Invité" "$report"; }
if ! wait_for 20 signed_in; then
  import -window root -display "$display" "${BRINDEL_PACKAGE_SCREENSHOT:-/tmp/package-test.png}" || true
  echo "package-test: the guest could not sign in (screen in ${BRINDEL_PACKAGE_SCREENSHOT:-/tmp/package-test.png})" >&2
  exit 1
fi
echo "package-test: the installed program runs for $pupil up to the guest's sign-in"
