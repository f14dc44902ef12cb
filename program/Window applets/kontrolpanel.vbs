#!/bin/sh
# Kontrolpanel: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center
KDE systemsettings.desktop systemsettings
XFCE xfce-settings-manager.desktop xfce4-settings-manager
LXQt lxqt-config.desktop lxqt-config
MATE matecc.desktop mate-control-center
X-Cinnamon cinnamon-settings.desktop cinnamon-settings
EOF
