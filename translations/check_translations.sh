#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that a translation file is up to date with the code and finished: lupdate, run on
# a copy with the project's options, changes nothing, and no message waits for translation.
#   check_translations.sh LUPDATE TS_FILE LUPDATE_OPTION... -- SOURCE...
set -eu
lupdate=$1
ts=$2
shift 2
options=
while [ "$1" != "--" ]; do
    options="$options $1"
    shift
done
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$ts")"
cp "$ts" "$copy"
# shellcheck disable=SC2086 # the options are separate words
"$lupdate" $options "$@" -ts "$copy" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log"
    exit 1
}
if ! cmp -s "$ts" "$copy"; then
    echo "$ts is not up to date with the code; build the target update_translations:"
    diff -u "$ts" "$copy" || true
    exit 1
fi
unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
if [ "$unfinished" -ne 0 ]; then
    echo "$ts: $unfinished message(s) not yet translated:"
    grep -B 2 'type="unfinished"' "$ts"
    exit 1
fi
echo "$ts: $(grep -c '<source>' "$ts") messages, all translated"
