#!/bin/sh
# Spilleenheder: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
KDE kcm_gamecontroller.desktop systemsettings kcm_gamecontroller
* jstest-gtk.desktop jstest-gtk
EOF
