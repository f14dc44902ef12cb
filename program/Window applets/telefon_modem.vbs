#!/bin/sh
# Telefon og modem: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center wwan
* modem-manager-gui.desktop modem-manager-gui
EOF
