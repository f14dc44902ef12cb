#!/bin/sh
# Spilleenheder: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
KDE kcm_gamecontroller.desktop systemsettings kcm_gamecontroller
* jstest-gtk.desktop jstest-gtk
EOF
