#!/usr/bin/env bash
# check-package.sh DEB: the package holds every file it should, and the
# programs unpacked from it run (kolvar-sim plays a short run headless).
set -euo pipefail
deb=${1:?usage: check-package.sh DEB}
fail() { echo "check-package: $*" >&2; exit 1; }

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
expected=(
  /usr/bin/kolvar
  /usr/bin/kolvar-sim
  /usr/bin/kolvar-headless
  /usr/bin/kolvar-logger
  /usr/share/applications/kolvar.desktop
  /usr/share/applications/kolvar-sim.desktop
  /usr/share/icons/hicolor/scalable/apps/kolvar.svg
  /usr/share/man/man1/kolvar.1.gz
  /usr/share/man/man1/kolvar-sim.1.gz
  /usr/share/man/man1/kolvar-headless.1.gz
  /usr/share/man/man1/kolvar-logger.1.gz
  /usr/share/doc/kolvar/README.md
  /usr/share/doc/kolvar/docs/settings.md
  /usr/share/doc/kolvar/copyright
  /usr/share/doc/kolvar/changelog.gz
  /usr/share/kolvar/stop.wav
  /usr/lib/systemd/user/kolvar-logger.service
)
source_tree=$(cd "$(dirname "$0")/.." && pwd)
# kolvar-plot comes with the program once it is in the tree.
if [ -f "$source_tree/packaging/man/kolvar-plot.1" ] && [ -d "$source_tree/app/kolvar-plot" ]; then
  expected+=(/usr/bin/kolvar-plot /usr/share/man/man1/kolvar-plot.1.gz)
fi
# The pages of docs/ and their pictures, in docs/ beside the README.
for doc in "$source_tree"/docs/*.md "$source_tree"/docs/*.png "$source_tree"/docs/*.svg; do
  if [ -e "$doc" ]; then expected+=("/usr/share/doc/kolvar/docs/$(basename "$doc")"); fi
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$listing" || fail "$deb lacks $file"
done
echo "check-package: all ${#expected[@]} files listed"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root

grep -qx "ExecStart=/usr/bin/kolvar-logger" "$root/usr/lib/systemd/user/kolvar-logger.service" ||
  fail "the user unit does not start /usr/bin/kolvar-logger"
head -c 12 "$root/usr/share/kolvar/stop.wav" | grep -q WAVE || fail "stop.wav is no WAV file"
cmake -DROOT="$root/usr/share/doc/kolvar" -P "$source_tree/tests/docs/check_docs.cmake" >/dev/null ||
  fail "the installed documentation's links do not hold"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root"/usr/share/applications/*.desktop
fi

# Our own libraries are linked in statically: nothing may be missing with
# the package's files alone.
for program in "$root"/usr/bin/*; do
  if ldd "$program" | grep -q "not found"; then
    ldd "$program" | grep "not found" >&2
    fail "$(basename "$program") needs a library that is not installed"
  fi
done

mkdir "$scratch/run"
(cd "$scratch/run" && "$root/usr/bin/kolvar-sim" --headless --hours 0.5 >summary.txt) ||
  fail "kolvar-sim --headless failed"
grep -q '^cycles: [1-9]' "$scratch/run/summary.txt" || fail "kolvar-sim ran no cycle"
[ -s "$scratch/run/trace.csv" ] || fail "kolvar-sim wrote no trace"
"$root/usr/bin/kolvar-logger" --help >/dev/null || fail "kolvar-logger --help failed"
echo "check-package: kolvar-sim --headless ran from the unpacked package:"
sed 's/^/  /' "$scratch/run/summary.txt"
