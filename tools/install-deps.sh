#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing,
# never prompting. Needs root or password-less sudo; says so clearly otherwise.
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg -s "$package" >/dev/null 2>&1; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "error: missing packages: ${missing[*]}" >&2
  echo "error: installing them needs root or password-less sudo; install them and run again" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
install() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q "${missing[@]}" </dev/null
}
if ! install; then
  # A package list that is missing or old cannot find the packages: refresh it once.
  "${as_root[@]}" apt-get update -q </dev/null
  install
fi
