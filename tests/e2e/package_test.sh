#!/usr/bin/env bash
# The Debian package as a user gets it: CPack builds it from this build
# folder, every dependency it declares is satisfied on this machine, it
# unpacks (dpkg -x, into a scratch root that is removed afterwards) with the
# program, desktop entry, icon and AppStream metadata in their usual places,
# those files pass their validators, and the unpacked program starts under
# Xvfb and shows the main menu.
# Usage: package_test.sh BUILD_DIR ARTIFACT_DIR
source "$(dirname "$0")/lib.sh"
BUILD=$1
ARTIFACTS_ROOT=$2
ID=example.zelk.SprayerCalibration

scratch=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
[[ $(dpkg-deb -f "$deb" Package) == zelk ]] || { echo "FAIL: the package is not named zelk" >&2; exit 1; }

# Depends: the Qt libraries found by dpkg-shlibdeps and the platform plugins.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=",$(sed -E 's/ *\([^)]*\)//g; s/ //g' <<<"$depends"),"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins libc6 libstdc++6; do
    [[ "$names" == *",$needed,"* ]] || { echo "FAIL: Depends lacks $needed" >&2; exit 1; }
done
# Each dependency is installed here, in a version it accepts.
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    satisfied=no
    IFS='|' read -ra choices <<<"$clause"
    for choice in "${choices[@]}"; do
        read -r name op version <<<"$(sed -E 's/[()]//g' <<<"$choice")"
        installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null || true)
        [[ -z "$installed" ]] && continue
        case "$op" in
        "") satisfied=yes ;;
        ">=") dpkg --compare-versions "$installed" ge "$version" && satisfied=yes ;;
        "=") dpkg --compare-versions "$installed" eq "$version" && satisfied=yes ;;
        *) echo "FAIL: unexpected relation '$op' in '$clause'" >&2; exit 1 ;;
        esac
    done
    [[ $satisfied == yes ]] || { echo "FAIL: dependency not satisfied here: $clause" >&2; exit 1; }
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for file in usr/bin/zelk usr/share/applications/$ID.desktop \
    usr/share/icons/hicolor/scalable/apps/$ID.svg usr/share/metainfo/$ID.metainfo.xml \
    usr/share/doc/zelk/copyright; do
    [[ -f "$root/$file" ]] || { echo "FAIL: the package has no /$file" >&2; exit 1; }
done
[[ -x "$root/usr/bin/zelk" ]] || { echo "FAIL: /usr/bin/zelk is not executable" >&2; exit 1; }
desktop-file-validate "$root/usr/share/applications/$ID.desktop" ||
    { echo "FAIL: desktop-file-validate" >&2; exit 1; }
appstreamcli validate --no-net "$root/usr/share/metainfo/$ID.metainfo.xml" ||
    { echo "FAIL: appstreamcli validate" >&2; exit 1; }
grep -qx "Exec=zelk" "$root/usr/share/applications/$ID.desktop" ||
    { echo "FAIL: the desktop entry does not start zelk" >&2; exit 1; }
grep -qx "Icon=$ID" "$root/usr/share/applications/$ID.desktop" ||
    { echo "FAIL: the desktop entry does not name the installed icon" >&2; exit 1; }

# The installed program, not the one in the build folder.
e2e_start_x "$ARTIFACTS_ROOT/package"
cp "$deb" "$ARTIFACTS/"
e2e_start_program "$root/usr/bin/zelk"
menu=$(wait_window "Menu - Metric")
focus_window "$menu"
sleep 0.3
screenshot_window "$menu" installed-main-menu
if grep -iE 'error|fatal' "$ARTIFACTS/program.log"; then fail "the program reported errors"; fi
close_all_windows
wait_exit 5
echo "e2e package: passed ($(basename "$deb"))"
