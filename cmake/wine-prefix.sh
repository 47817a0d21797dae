#!/bin/sh
# Starts or ends the wine server of the tests' private prefix ($WINEPREFIX).
# Everything wine starts is cut off from the caller's output, or a service
# holding a captured pipe would keep the test that started it from ending.
set -u
# The binaries of Debian's wine64 and libwine, not the wrappers of the
# optional wine package.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
case "${1:-}" in
  start)
    # A persistent server makes each program start in about 0.1 s, not 1 s.
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot -i </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wineserver" -k </dev/null >/dev/null 2>&1
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
exit 0
