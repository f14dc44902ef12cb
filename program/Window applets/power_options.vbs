#!/bin/sh
# Strømstyring: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center power
KDE kcm_powerdevilprofilesconfig.desktop systemsettings kcm_powerdevilprofilesconfig
XFCE xfce4-power-manager-settings.desktop xfce4-power-manager-settings
LXQt lxqt-config-powermanagement.desktop lxqt-config-powermanagement
MATE mate-power-preferences.desktop mate-power-preferences
X-Cinnamon cinnamon-settings-power.desktop cinnamon-settings power
EOF
