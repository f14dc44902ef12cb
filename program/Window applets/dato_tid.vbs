#!/bin/sh
# Dato og klokken: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system datetime
KDE kcm_clock.desktop systemsettings kcm_clock
X-Cinnamon cinnamon-settings-calendar.desktop cinnamon-settings calendar
* time.desktop time-admin
EOF
