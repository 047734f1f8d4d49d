#!/bin/sh
# Runs the file tests again as an ordinary user when CTest runs as root,
# for whom no permission stops a write, so that the refusals of read-only
# files and folders are tested too. The test program is copied to a
# temporary folder of that user's, since the build tree may be closed to
# others.
set -eu
if [ "$(id -u)" != 0 ]; then
  echo "not root: the file tests have run as an ordinary user already"
  exit 77
fi
if ! id nobody >/dev/null 2>&1; then
  echo "no user nobody to run the file tests as"
  exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$1" "$folder/testy"
chown -R nobody "$folder"
cd "$folder"
setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups \
  env HOME="$folder" TMPDIR="$folder" XDG_STATE_HOME="$folder/stan" "$folder/testy"
