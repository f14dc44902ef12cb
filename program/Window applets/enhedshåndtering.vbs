#!/bin/sh
# Enhedshåndtering: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
KDE org.kde.kinfocenter.desktop kinfocenter
* hardinfo.desktop hardinfo
* gtk-lshw.desktop lshw-gtk
EOF
