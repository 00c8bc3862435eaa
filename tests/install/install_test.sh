#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks it as a player's machine would see it:
# every file in its place and nothing else, the desktop entry and metainfo valid, and the
# installed game started by a normal user from a read-only prefix with an empty home folder.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/zenthar-install.XXXXXX)
player_pid=
cleanup() {
  [ -n "$player_pid" ] && kill "$player_pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/root/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

# The installed tree: exactly these files.
expected=(
  games/zenthar
  games/zenthar-sim
  share/applications/org.zenthar.Zenthar.desktop
  share/metainfo/org.zenthar.Zenthar.metainfo.xml
  share/man/man6/zenthar.6.gz
  share/man/man6/zenthar-sim.6.gz
  share/doc/zenthar/copyright
  share/doc/zenthar/changelog.gz
  share/icons/hicolor/scalable/apps/zenthar.svg
)
expected+=(share/icons/hicolor/{16x16,22x22,32x32,48x48,64x64,128x128,256x256}/apps/zenthar.png)
expected+=(share/games/zenthar/{planets.dat,crt.dat,backgrnd.dat,zenthar.mdb,zenthar.ini,help.htm}
           share/games/zenthar/{zenthar.png,explode.wav,laserfr3.wav,spcshlnd.wav,good_pl.ico}
           share/games/zenthar/{empire.ico,image1.png})
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/games/zenthar" ] && [ -x "$prefix/games/zenthar-sim" ] ||
  fail "the game or the simulator is not executable"
assets=$(find "$(dirname "$0")/../../assets" -maxdepth 1 -type f | wc -l)
installed_data=$(find "$prefix/share/games/zenthar" -type f | wc -l)
# The assets, the template and the default settings.
[ "$installed_data" -eq $((assets + 2)) ] || fail "share/games/zenthar holds $installed_data files"
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | grep -v '^share/games/zenthar/' |
        sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || fail "installed but not wanted: $extra"
# The manual pages and the help page name the version the program gives (that the manual page
# lists every option is the help pages' test, on the page this one is made from).
version=$(env -i "$prefix/games/zenthar" --version | head -n 1 | sed 's/^Zenthar //')
[ -n "$version" ] || fail "zenthar --version names no version"
for page in zenthar zenthar-sim; do
  gzip -t "$prefix/share/man/man6/$page.6.gz"
  zcat "$prefix/share/man/man6/$page.6.gz" | grep -q "^\.TH .* \"Zenthar $version\"" ||
    fail "the manual page of $page does not name version $version"
done
grep -q "Zenthar $version &middot;" "$prefix/share/games/zenthar/help.htm" ||
  fail "the help page does not name version $version"
! grep -rqi 'beta\|zenthar\.org' "$prefix/share/games/zenthar/help.htm" "$prefix/share/metainfo" ||
  fail "a beta version or a web address the project does not have is named"
grep -q '^IntBrowser=xdg-open$' "$prefix/share/games/zenthar/zenthar.ini" ||
  fail "the default settings do not open help with xdg-open"

desktop-file-validate "$prefix/share/applications/org.zenthar.Zenthar.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zenthar.Zenthar.metainfo.xml"

# A normal player: not root, a fresh home, a prefix nobody may write.
home=$work/home
mkdir -p "$home"
chmod 755 "$work" "$work/root"
chmod -R a-w "$work/root"
run_as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  run_as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
if "${run_as_player[@]}" touch "$prefix/share/games/zenthar/written" 2>/dev/null; then
  fail "the player can write into the prefix"
fi

# The command line without any display: --help and --version answer, a wrong option is refused
# with status 2, and nothing is written into the player's home folder.
no_display=(env -i HOME="$home" PATH=/usr/bin:/bin ASAN_OPTIONS="${ASAN_OPTIONS:-}")
run() { "${run_as_player[@]}" "${no_display[@]}" "$@"; }
run "$prefix/games/zenthar" --help | grep -- '--version' >/dev/null || fail "zenthar --help"
run "$prefix/games/zenthar" --version | grep "^Zenthar $version\$" >/dev/null || fail "zenthar --version"
status=0
run "$prefix/games/zenthar" --frobnicate >/dev/null 2>"$work/bad.txt" || status=$?
[ "$status" -eq 2 ] && grep -q "unknown option '--frobnicate'" "$work/bad.txt" ||
  fail "a wrong option gave status $status: $(cat "$work/bad.txt")"
# Without a display, or with one named that is not there, the window cannot open: one line on
# the terminal and status 1, never Qt's abort.
for display in "" ":4321"; do
  status=0
  run ${display:+env DISPLAY=$display} "$prefix/games/zenthar" >"$work/out.txt" \
    2>"$work/nodisplay.txt" || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$work/nodisplay.txt")" -eq 1 ] && [ ! -s "$work/out.txt" ] &&
    grep -q "^zenthar: cannot open the window" "$work/nodisplay.txt" ||
    fail "without a display (DISPLAY='$display') status $status: $(cat "$work/nodisplay.txt")"
done
[ -z "$(ls -A "$home")" ] || fail "the command line wrote into the home folder"
# The simulator finds the installed game's files and plays a game.
# Into a file first: grep -q stops reading at its first line, and the simulator's next write
# would then end it by a broken pipe.
run "$prefix/games/zenthar-sim" --games 1 --years 5 --no-timing >"$work/sim.txt" ||
  fail "zenthar-sim does not play from the installed files"
grep -q '^summary: 1 game' "$work/sim.txt" || fail "zenthar-sim printed no summary"
"${run_as_player[@]}" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}" "$prefix/games/zenthar" >"$work/player.log" 2>&1 &
player_pid=$!
working=$home/.local/share/zenthar/GAMES/newgame.mdb
for _ in $(seq 1 300); do
  [ -f "$working" ] && break
  kill -0 "$player_pid" 2>/dev/null || { cat "$work/player.log" >&2; fail "the game ended at start-up"; }
  sleep 0.1
done
[ -f "$working" ] || fail "no working file in the player's folder"
sleep 1  # past start-up and into the main window's event loop
kill -0 "$player_pid" 2>/dev/null || { cat "$work/player.log" >&2; fail "the game did not stay up"; }
[ -f "$home/.config/zenthar/zenthar.ini" ] || fail "the default settings were not copied"
kill "$player_pid"
wait "$player_pid" 2>/dev/null || true
player_pid=
echo "installed tree complete, validators pass, the game starts as a player"
