#!/bin/sh
# Skærmopløsning: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center display
KDE kcm_kscreen.desktop systemsettings kcm_kscreen
XFCE xfce-display-settings.desktop xfce4-display-settings
LXQt lxqt-config-monitor.desktop lxqt-config-monitor
MATE mate-display-properties.desktop mate-display-properties
X-Cinnamon cinnamon-settings-display.desktop cinnamon-settings display
* arandr.desktop arandr
EOF
