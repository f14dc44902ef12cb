#!/bin/sh
# System oplysninger: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system about
KDE org.kde.kinfocenter.desktop kinfocenter
XFCE xfce4-about.desktop xfce4-about
X-Cinnamon cinnamon-settings-info.desktop cinnamon-settings info
* hardinfo.desktop hardinfo
EOF
