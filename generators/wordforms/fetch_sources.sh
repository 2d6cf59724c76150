#!/bin/sh
# Fetches the inputs of the word-form generator into work/ (kept out of git) and dumps the
# OpenCorpora lexemes from the npm package az. Needs apt-get (Debian 12), npm and node.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work="$here/work"
mkdir -p "$work/ext" "$work/npm"
cd "$work"
[ -f festvox-ru_*.deb ] 2>/dev/null || apt-get download festvox-ru
[ -f hunspell-ru_*.deb ] 2>/dev/null || apt-get download hunspell-ru
for deb in festvox-ru_*.deb hunspell-ru_*.deb; do dpkg-deb -x "$deb" ext; done
cd npm
[ -f az-0.2.3.tgz ] || npm pack az@0.2.3
tar xzf az-0.2.3.tgz
cd "$work"
node "$here/extract_opencorpora.js" npm/package/dicts .
