#!/bin/sh
# Sikkerhed: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center privacy
KDE kcm_firewall.desktop systemsettings kcm_firewall
* gufw.desktop gufw
EOF
