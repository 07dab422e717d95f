# shellcheck shell=bash disable=SC2154
# Shared steps of the end-to-end runs, sourced by scripts/e2e-*.sh: the real program on a virtual
# 1024 x 768 screen, a fresh copy of the database with the pupil Léa (password "abc") chosen in
# the settings, and the pointer and screenshots of xdotool and ImageMagick.
#   BRINDEL_E2E_DISPLAY=:N   use that display number (default: a free one)
#   BRINDEL_E2E_SHOTS=DIR    keep the screenshots in DIR
# The caller sets e2e_name and, before e2e_setup, cds to the source tree.

# Checks the tools and prepares the scratch folder; $1 is the program (default: the build's).
e2e_setup() {
  program=$(realpath "${1:-build/programme/brindel}")
  for tool in Xvfb xdotool xdpyinfo import convert compare sqlite3 ${e2e_tools[@]+"${e2e_tools[@]}"}; do
    command -v "$tool" >/dev/null || { echo "$e2e_name: $tool is missing, skipped"; exit 77; }
  done
  [ -x "$program" ] || { echo "$e2e_name: no program at $program" >&2; exit 1; }
  program_dir=$(dirname "$program")
  scratch=$(mktemp -d)
  shots=${BRINDEL_E2E_SHOTS:-$scratch/shots}
  mkdir -p "$shots" "$scratch/cfg/VALIMOR Brindel" "$scratch/data" "$scratch/run"
  chmod 700 "$scratch/run"
  database=$scratch/data/DbBrin.mdb
  cp "$program_dir/DbBrin.mdb" "$database"
  chmod 600 "$database"
  sqlite3 "$database" \
    "insert into Gestion (Nom, Groupe, Motdepasse) values ('Léa', 'CE2', 'abc');"
  printf '[Database]\nPath=%s\n' "$database" >"$scratch/cfg/VALIMOR Brindel/Brindel.ini"
  xvfb_pid='' program_pid='' failed=''
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ -z "$failed" ]; then rm -rf "$scratch"; else echo "$e2e_name: files kept in $scratch" >&2; fi
}

e2e_display() {
  if [ -n "${BRINDEL_E2E_DISPLAY:-}" ]; then
    display=$BRINDEL_E2E_DISPLAY
    Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -ac -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
  else
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -ac -nolisten tcp \
      3>"$scratch/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    display=:$(cat "$scratch/display")
  fi
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

wait_for() { # <seconds> <command...>: repeats the command until it succeeds
  local limit=$(($1 * 10))
  shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
fail() {
  failed=1
  import -window root "$shots/failure.png" 2>/dev/null || true
  echo "$e2e_name: $* (screen in $shots/failure.png)" >&2
  cat "$scratch/out" >&2 || true
  exit 1
}
shot() { import -window root "$shots/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }

# Starts the program in a clean environment of its own (a sanitizer build keeps its options;
# the sound server's address is kept so the program plays and records on it) and signs Léa in.
e2e_start_and_sign_in() {
  report=$scratch/report
  local environment=(HOME="$scratch" DISPLAY="$display" XDG_CONFIG_HOME="$scratch/cfg"
    XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run" LANG=C.UTF-8
    BRINDEL_STARTUP_REPORT="$report")
  for name in ASAN_OPTIONS UBSAN_OPTIONS PULSE_SERVER PULSE_COOKIE; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
  done
  env -i "${environment[@]}" "$program" >"$scratch/out" 2>&1 &
  program_pid=$!
  wait_for 60 grep -q startup_ms= "$report" 2>/dev/null || fail "no sign-in window"
  sleep 0.5
  # The main window's bars leave the child windows the area from (76, 56) to (814, 720); the
  # positions below are those of that layout.
  click 500 290           # "Tous les groupes"
  click 180 280 0.3       # "Léa", after "Invité"
  click 320 628 0.2       # the password box
  xdotool type --delay 50 abc
  click 455 627 1         # "Départ"
  wait_for 20 grep -q "signed_in=Léa" "$report" || fail "the pupil could not sign in"
}
