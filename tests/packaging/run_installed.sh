#!/usr/bin/env bash
# The package unpacked into a scratch root and its programs run from there: the batch
# calculator's state and report (seeded from the installed template), the window started
# offscreen. `cmake --install` of the same build must install exactly the package's files.
# usage: run_installed.sh PACKAGE.deb PACKAGE_BUILD_DIR CHECK_WORKBOOK.py
set -euo pipefail
deb=$1 build=$2 check_workbook=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"

expected=$'p\t1.013\ntdb\t20.00\ntwb\t13.73\ntdp\t9.27\nx\t0.00725\nro\t1.1987\nh\t38.49\npv\t0.01168\nRH\t50.0\ncp\t1.0189\nlam\t0.025976\nmi\t1.803E-05\nPr\t0.702'
actual=$("$root"/usr/bin/vaporel-calc 1 1.01325 20 50)
[ "$actual" = "$expected" ] || { echo "vaporel-calc printed:"; echo "$actual"; exit 1; }

mkdir "$scratch/work"
(cd "$scratch/work" && "$root"/usr/bin/vaporel-calc --report report.xls 1 1.01325 20 50 >/dev/null)
/usr/bin/python3 "$check_workbook" "$scratch/work/report.xls"

HOME=$scratch/home QT_QPA_PLATFORM=offscreen "$root"/usr/bin/vaporel --screenshot "$scratch/shot.png" >/dev/null
/usr/bin/python3 - "$scratch/shot.png" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
width, height = struct.unpack(">II", data[16:24])
assert width >= 400 and height >= 300, "screenshot %dx%d" % (width, height)
PY

DESTDIR=$scratch/installed cmake --install "$build" >/dev/null
diff <(cd "$root" && find . -type f | sort) <(cd "$scratch/installed" && find . -type f | sort)
echo "installed programs run"
