#!/usr/bin/env bash
# tmpfs.sh mount|unmount DIR: a tmpfs of a few megabytes at DIR for the full-disk test, with a
# file "mounted" in it. Mounting needs root; without it the test skips itself and says why.
set -uo pipefail
action=$1 dir=$2
case $action in
  mount)
    mkdir -p "$dir"
    if mountpoint -q "$dir"; then umount "$dir"; fi
    if [ "$(id -u)" -ne 0 ] || ! mount -t tmpfs -o size=8m tmpfs "$dir"; then
      echo "no tmpfs at $dir: the full-disk test will be skipped"
      exit 0
    fi
    touch "$dir/mounted"
    echo "tmpfs of 8 MB mounted at $dir" ;;
  unmount)
    if mountpoint -q "$dir"; then umount "$dir"; fi
    rmdir "$dir" 2>/dev/null
    exit 0 ;;
esac
