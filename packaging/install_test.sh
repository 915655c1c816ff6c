#!/bin/sh
# The installed program on its own: `cmake --install` into a fresh prefix, then the installed copies
# run from another folder with a clean environment, and every library they load (the PDF module, the
# plug-in, the substitute host libraries) must come from the prefix, none from the build tree.
#
# Usage: install_test.sh BUILD_DIR VERSION PICTURE_DIR    (exit 77: skipped)
# The installed dialog's screenshot is kept as PICTURE_DIR/installed-dialog.png.
set -eu

build=$(cd "$1" && pwd -P)
version=$2
pictures=$3

if ! command -v cmake >/dev/null 2>&1 || [ ! -f "$build/cmake_install.cmake" ]; then
    echo "skipped: cmake --install is not possible here (no cmake, or $build has no install rules)"
    exit 77
fi

top=$(mktemp -d "${TMPDIR:-/tmp}/wallcalc-install.XXXXXX")
trap 'rm -rf "$top"' EXIT INT TERM
prefix=$top/prefix
work=$top/work
mkdir -p "$work/bin" "$top/runtime"
chmod 700 "$top/runtime"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$top/install.log" || { cat "$top/install.log"; fail "cmake --install"; }
for f in bin/wallcalc bin/wallhost lib/wallcalc/libwallcalc-plugin.so lib/wallcalc/libpellod.so \
         lib/wallcalc/libtarnic.so share/doc/wallcalc/manual.html share/doc/wallcalc/manual.md \
         share/applications/wallcalc.desktop share/icons/hicolor/scalable/apps/wallcalc.svg \
         share/mime/packages/wallcalc.xml; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done
gui=no
[ -x "$prefix/bin/wallcalc-gui" ] && gui=yes
pdf=no
[ -f "$prefix/lib/wallcalc/libwallcalc-pdf.so" ] && pdf=yes

# The manual's pictures are installed beside it.
sed -n 's/.*<img[^>]* src="\([^"]*\)".*/\1/p' "$prefix/share/doc/wallcalc/manual.html" >"$top/pictures"
[ -s "$top/pictures" ] || fail "the installed manual shows no pictures"
while read -r picture; do
    [ -s "$prefix/share/doc/wallcalc/$picture" ] || fail "manual picture not installed: $picture"
done <"$top/pictures"

# A viewer that notes what it was asked to open, in place of the desktop's.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$@" >>"$work/opened"
EOF
chmod +x "$work/bin/xdg-open"

# Runs an installed program in $work with nothing of the build tree or the caller's environment (but
# the sanitizers' options of a sanitizer build), noting where the dynamic loader searches and what it
# loads.
run() {
    (cd "$work" && env -i PATH="$work/bin:/usr/bin:/bin" HOME="$work" XDG_RUNTIME_DIR="$top/runtime" LANG=C.UTF-8 \
        QT_QPA_PLATFORM=offscreen \
        ${ASAN_OPTIONS+"ASAN_OPTIONS=$ASAN_OPTIONS"} ${UBSAN_OPTIONS+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} \
        ${LSAN_OPTIONS+"LSAN_OPTIONS=$LSAN_OPTIONS"} LD_DEBUG=libs LD_DEBUG_OUTPUT="$top/ld" "$@")
}

out=$(run "$prefix/bin/wallcalc" --version) || fail "wallcalc --version"
[ "$out" = "wallcalc $version" ] || fail "wallcalc --version printed '$out'"

run "$prefix/bin/wallcalc" new --type cantilever -o wall.wall.json || fail "wallcalc new"
if [ $pdf = yes ]; then
    run "$prefix/bin/wallcalc" report wall.wall.json -o report.docx --pdf >/dev/null || fail "wallcalc report --pdf"
    [ "$(head -c 5 "$work/report.pdf")" = "%PDF-" ] || fail "report.pdf is not a PDF"
    [ "$(wc -c <"$work/report.pdf")" -gt 10000 ] || fail "report.pdf is nearly empty"
    grep -q "calling init: $prefix/lib/wallcalc/libwallcalc-pdf.so\$" "$top"/ld.* ||
        fail "the PDF module was not loaded from $prefix/lib/wallcalc"
else
    echo "no PDF module installed (built without Qt): the PDF report is not checked"
    run "$prefix/bin/wallcalc" report wall.wall.json -o report.docx >/dev/null || fail "wallcalc report"
fi
/usr/bin/python3 -c 'import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
sys.exit(z.testzip() is not None or "word/document.xml" not in z.namelist())' "$work/report.docx" ||
    fail "report.docx is not a Word document"

# The development host finds the plug-in and the substitute host libraries in the prefix.
out=$(run "$prefix/bin/wallhost" --command kestro_quarn) || fail "wallhost"
echo "$out" | grep -qx "plug-in: $prefix/lib/wallcalc/libwallcalc-plugin.so" || fail "wallhost: $out"
echo "$out" | grep -q 'registered command "KESTRO_QUARN"' || fail "wallhost: $out"

if [ $gui = yes ]; then
    out=$(run "$prefix/bin/wallcalc-gui" --version) || fail "wallcalc-gui --version"
    [ "$out" = "wallcalc-gui $version" ] || fail "wallcalc-gui --version printed '$out'"
    for program in wallcalc-gui "wallcalc gui"; do
        rm -f "$work/dialog.png"
        # Unquoted: "wallcalc gui" is the program and its command.
        run "$prefix/bin/"$program --type cantilever --screenshot dialog.png || fail "$program --screenshot"
        [ "$(head -c 8 "$work/dialog.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
            fail "$program --screenshot wrote no PNG"
    done
    cp "$work/dialog.png" "$pictures/installed-dialog.png"
    # "帮助" opens the installed manual: with a viewer, or else the message names it.
    rm -f "$work/opened"
    out=$(run "$prefix/bin/wallcalc-gui" --manual 2>&1) || true
    manual=$prefix/share/doc/wallcalc/manual.html
    grep -qx "file://$manual" "$work/opened" 2>/dev/null || echo "$out" | grep -qx "$manual" ||
        fail "wallcalc-gui --manual did not open $manual: $out"
fi

# No library was looked for in the build tree, let alone loaded from it.
if grep -h -m 3 "$build/" "$top"/ld.* >"$top/from-build"; then
    cat "$top/from-build" >&2
    fail "libraries looked for in the build tree"
fi

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/wallcalc.desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate missing (desktop-file-utils): the desktop entry is not checked"
fi
if command -v update-mime-database >/dev/null 2>&1; then
    XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>"$top/mime.log" || { cat "$top/mime.log"; fail "update-mime-database"; }
    [ ! -s "$top/mime.log" ] || { cat "$top/mime.log"; fail "update-mime-database warned"; }
    grep -q ':application/x-wallcalc-case+json:\*\.wall\.json$' "$prefix/share/mime/globs2" &&
        grep -q ':application/x-wallcalc-case:\*\.挡土墙计算$' "$prefix/share/mime/globs2" ||
        fail "the case files' globs are not in the MIME database"
else
    echo "update-mime-database missing (shared-mime-info): the MIME types are not checked"
fi
echo "installed copy in $prefix: all checks passed"
