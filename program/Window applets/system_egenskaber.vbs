#!/bin/sh
# Egenskaber for system: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system
KDE org.kde.kinfocenter.desktop kinfocenter
XFCE xfce4-about.desktop xfce4-about
MATE mate-about.desktop mate-about
* hardinfo.desktop hardinfo
EOF
