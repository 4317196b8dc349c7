#!/usr/bin/env bash
# Without a display: runs a few bundled examples headless through
# lithoscope-batch and says where their pictures went.
set -uo pipefail

build_dir=${1:-build}
batch="$(cd "$build_dir" 2>/dev/null && pwd)/lithoscope-batch"
if [ ! -x "$batch" ]; then
  echo "No lithoscope-batch in $build_dir: build it first (make build)." >&2
  exit 1
fi
here=$(cd "$(dirname "$0")" && pwd)
examples="$here/../examples"
out_dir="$(cd "$build_dir" && pwd)/demo"
mkdir -p "$out_dir"

# Models that show something worth seeing in a few seconds come first; any
# other entry with an example fills up the rest.
preferred=("Sand Automaton" "FHP" "2D Oxidation (Deal-Grove)" "Annealing Rule" "2D Film Deposition")
wanted=4

slug() {
  printf '%s' "$1" | tr '[:upper:]' '[:lower:]' | sed -E 's/[^a-z0-9]+/-/g; s/^-+//; s/-+$//'
}

mapfile -t labels < <("$batch" --list | cut -f2-)
candidates=("${preferred[@]}")
for label in "${labels[@]}"; do
  case " ${preferred[*]} " in *" $label "*) ;; *) candidates+=("$label") ;; esac
done

echo "No display found: running $wanted bundled examples headless with lithoscope-batch."
shown=0
for label in "${candidates[@]}"; do
  [ "$shown" -ge "$wanted" ] && break
  name=$(slug "$label")
  [ -f "$examples/$name/recipe" ] || continue
  picture="$out_dir/$name.png"
  rm -f "$picture"
  if status=$(cd "$out_dir" && "$batch" "$label" --example --quiet --save "$picture" 2>"$out_dir/$name.log"); then
    if [ -f "$picture" ]; then
      echo "  $label: $picture (${status##*$'\n'})"
      shown=$((shown + 1))
    fi
  else
    echo "  $label: failed, see $out_dir/$name.log"
  fi
done
if [ "$shown" -eq 0 ]; then
  echo "No example could be run yet."
  exit 1
fi
echo "To see the models move, start $build_dir/lithoscope on a desktop (or under xvfb-run)."
