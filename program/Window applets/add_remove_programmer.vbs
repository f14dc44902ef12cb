#!/bin/sh
# Programmer: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Software.desktop gnome-software
KDE org.kde.discover.desktop plasma-discover
* synaptic.desktop synaptic-pkexec
* org.gnome.Software.desktop gnome-software
EOF
