#!/bin/sh
# Brugerkonti: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system users
KDE kcm_users.desktop systemsettings kcm_users
X-Cinnamon cinnamon-settings-users.desktop cinnamon-settings users
* users.desktop users-admin
EOF
