#!/bin/sh
# Unpacks the Debian package into a temporary root, starts the program from there
# offscreen as an unprivileged user with a temporary HOME for a few seconds, and finds its
# database in that user's data folder.
#
#   package_install_test.sh DEB SOURCE_DIR UPDATE_SIGNER
#
# Without the package the test is skipped (77), unless VELTRANO_TEST_PACKAGE_BUILD=1: then
# it builds the package first, with a throwaway update key.
set -e
deb="$1" src="$2" signer="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

if [ ! -f "$deb" ]; then
  if [ "${VELTRANO_TEST_PACKAGE_BUILD:-0}" != 1 ]; then
    echo "package test: no package at $deb (scripts/package builds it); skipped"
    exit 77
  fi
  key=$("$signer" keygen "$work/throwaway.key")
  "$src/scripts/package" --update-key "$key"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/veltrano"
[ -x "$program" ] || fail "no /usr/bin/veltrano"
for f in usr/share/applications/org.veltrano.Veltrano.desktop usr/share/metainfo/org.veltrano.Veltrano.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/veltrano.png usr/share/icons/hicolor/256x256/apps/veltrano.png \
         usr/lib/systemd/user/veltrano-transfer@.service usr/lib/systemd/user/veltrano-transfer@.timer; do
  [ -f "$root/$f" ] || fail "$f is missing"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies lack the Qt libraries"

home="$work/home"
mkdir -p "$home"
chmod 755 "$work"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$home"
  as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
else
  # As an installed program: the executable's folder is not writable.
  chmod -R a-w "$root/usr/bin"
  as_user() { "$@"; }
fi
run() {
  as_user env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 "$@"
}

run "$program" --version | grep -q '13.111' || fail "--version does not name 13.111"
status=0
run timeout 6 "$program" >"$work/start.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/start.log" >&2; fail "the program ended by itself (status $status)"; }
database="$home/.local/share/Morvelia Veltrano/database.sqlite"
[ -f "$database" ] || { ls -laR "$home" >&2; fail "no database in the user's data folder"; }
[ ! -e "$root/usr/bin/database.sqlite" ] || fail "the program wrote beside its executable"
echo "package test: the installed program keeps its database in $database"
