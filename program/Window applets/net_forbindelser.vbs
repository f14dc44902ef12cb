#!/bin/sh
# Netværks forbindelser: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center network
KDE kcm_networkmanagement.desktop systemsettings kcm_networkmanagement
X-Cinnamon cinnamon-settings-network.desktop cinnamon-settings network
* nm-connection-editor.desktop nm-connection-editor
EOF
