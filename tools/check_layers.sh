#!/usr/bin/env bash
# Fails when a source file includes a header (or a form's ui_*.h) of a folder
# above its own. The table below is the one statement of the layering: a
# folder may include its own headers and those of the rows under it; folders
# on one row know nothing of each other. Includes name no folder, so a
# header is found by its file name, which must be unique among the folders.
#   tools/check_layers.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layers=(
    "app"               # start-up, the screenshot mode
    "pupil"             # the pupil's window and screens; opens a task file with cli's reader
    "cli"               # the option table and the modes without a window; prints teacher's PDFs
    "teacher"           # the teacher's window and PDFs
    "controls"          # widgets that know no screen
    "journal"           # the journal (writes through classroom's save_file)
    "classroom assets"  # the class's files; the pictures
    "bench"             # the model
)
# Folders of other things: they may include any layer.
outside=" benchmarks build docs packaging tests tools "

declare -A rank owner
for i in "${!layers[@]}"; do
    for folder in ${layers[i]}; do rank[$folder]=$i; done
done

status=0
# A new folder of sources must take its place in the table.
for dir in */; do
    folder=${dir%/}
    [[ -n ${rank[$folder]:-} || $outside == *" $folder "* ]] && continue
    if compgen -G "$folder/*.cpp" >/dev/null || compgen -G "$folder/*.h" >/dev/null; then
        echo "$folder/ holds sources but has no row in tools/check_layers.sh"
        status=1
    fi
done

for folder in "${!rank[@]}"; do
    for path in "$folder"/*.h "$folder"/*.ui; do
        [[ -e $path ]] || continue
        name=${path##*/}
        [[ $name == *.ui ]] && name=ui_${name%.ui}.h
        if [[ -n ${owner[$name]:-} ]]; then
            echo "$name is in both ${owner[$name]}/ and $folder/: an include of it names no folder"
            status=1
        fi
        owner[$name]=$folder
    done
done

for folder in "${!rank[@]}"; do
    for path in "$folder"/*.h "$folder"/*.cpp; do
        [[ -e $path ]] || continue
        while read -r name; do
            to=${owner[$name]:-}
            [[ -n $to && $to != "$folder" ]] || continue
            if ((rank[$to] <= rank[$folder])); then
                echo "$path includes $name of $to/, which is not below $folder/"
                status=1
            fi
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$path")
    done
done
exit $status
