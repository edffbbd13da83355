#!/usr/bin/env bash
# Runs a Windows test program under Wine with the ANSI code page 1251 (a Russian locale), where
# the desktop note must still write Windows-1252 bytes only. Skipped (77) when the machine
# cannot make the locale (the Debian package "locales" holds its source).
# usage: run-under-code-page-1251.sh WINE-PREFIX-SCRIPT PREFIX LOCALE-FOLDER PROGRAM [ARGS...]
set -euo pipefail
wine_prefix=$1 prefix=$2 locales=$3
shift 3
mkdir -p "$locales"
if [[ ! -d $locales/ru_RU.UTF-8 ]]; then
    localedef -i ru_RU -f UTF-8 "$locales/ru_RU.UTF-8" >/dev/null 2>&1 || exit 77
fi
exec env LOCPATH="$locales" LC_ALL=ru_RU.UTF-8 "$wine_prefix" run "$prefix" "$@"
