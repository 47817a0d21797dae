#!/usr/bin/env bash
# Finds what the kit's groups of packages (tools/packages.list) lack, and
# installs it.
#
#   tools/packages.sh install GROUP...  installs the missing packages with
#                                       apt-get (as root, or through sudo)
#   tools/packages.sh check GROUP...    only looks
#
# Both exit 0 when every package of the groups is there. Otherwise they say
# which tools are missing and which packages provide them, and exit 1.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: tools/packages.sh install|check GROUP..." >&2
  exit 2
}
[ $# -ge 2 ] || usage
mode=$1
shift
case $mode in install | check) ;; *) usage ;; esac

there() {
  case $1 in
    /*) compgen -G "$1" >/dev/null ;;
    *) command -v "$1" >/dev/null ;;
  esac
}

# Fills `missing` (packages) and `lacking` ("tool (package)") for the groups.
find_missing() {
  missing=()
  lacking=()
  local group package shown wanted
  while read -r group package shown; do
    case $group in '' | '#'*) continue ;; esac
    for wanted in "$@"; do
      if [ "$group" = "$wanted" ] && ! there "$shown"; then
        missing+=("$package")
        lacking+=("${shown##*/} ($package)")
      fi
    done
  done <tools/packages.list
}

for wanted in "$@"; do
  grep -q "^$wanted " tools/packages.list || { echo "packages: no group $wanted" >&2; exit 2; }
done

find_missing "$@"
((${#missing[@]})) || exit 0

if [ "$mode" = install ] && command -v apt-get >/dev/null; then
  sudo=()
  if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null && sudo=(sudo)
  fi
  if [ "$(id -u)" = 0 ] || ((${#sudo[@]})); then
    echo "packages: installing ${missing[*]}"
    # A failed install is told by what is still missing after it.
    "${sudo[@]}" apt-get update -qq || true
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || true
    find_missing "$@"
    ((${#missing[@]})) || exit 0
  fi
fi

list=$(printf ', %s' "${lacking[@]}")
echo "packages: missing ${list:2}; install them with: apt-get install ${missing[*]}" >&2
exit 1
